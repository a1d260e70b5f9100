// The module-wide undo manager: created by the first dialog run, destroyed
// at shut-down. Its history is empty until it records color and palette
// edits, so nothing can be undone or redone yet.
#pragma once

class mjx_UNDOMGR {
public:
    virtual ~mjx_UNDOMGR() = default;

    bool CanUndo() const { return false; }
    bool CanRedo() const { return false; }
};
