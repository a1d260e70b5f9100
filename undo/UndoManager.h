// The module-wide undo manager: created by the first dialog run, destroyed
// at shut-down. It records nothing yet; its history of color and palette
// edits comes with the undo commands.
#pragma once

class mjx_UNDOMGR {
public:
    virtual ~mjx_UNDOMGR() = default;
};
