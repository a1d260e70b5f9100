// The module-wide history of color and palette edits, shared by every dialog
// run and destroyed at shut-down.
#pragma once

class mjx_UNDOMGR {
public:
    virtual ~mjx_UNDOMGR() = default;
};
