// The module-wide undo history: one linear list of steps with a position,
// shared by every dialog run of the module and destroyed at shut-down.
// Each step exchanges a piece of live state with a stored copy, so applying
// it once undoes the change and applying it again redoes it.
#pragma once

#include <cstdint>

class jx_COLLECTION;
class UndoTarget;
class mjx_UNDOMGR;

class mjx_UNDOUNIT {
public:
    virtual ~mjx_UNDOUNIT() = default;
    // Exchanges the stored state with the live one; direction is true for
    // undo and false for redo (no step needs it), stage other than 1 does
    // nothing. False when the step could not be applied.
    virtual bool Apply(bool direction, int stage) = 0;
};

class mjx_UNDOMGR {
public:
    mjx_UNDOMGR();
    mjx_UNDOMGR(const mjx_UNDOMGR&) = delete;
    mjx_UNDOMGR& operator=(const mjx_UNDOMGR&) = delete;
    virtual ~mjx_UNDOMGR();

    // Takes the unit; everything that could have been redone is dropped.
    virtual bool Add(mjx_UNDOUNIT* unit);
    virtual bool Redo();
    virtual bool Undo();
    // The unit Undo or Redo would apply, or null.
    virtual mjx_UNDOUNIT* GetUndoUnit() const;
    virtual mjx_UNDOUNIT* GetRedoUnit() const;

    // Steps recorded in one dialog run stay in the history after it and
    // apply to the dialog open at the time of Undo or Redo: the controller
    // binds itself while its dialog runs and unbinds before it is gone.
    // Without a bound dialog a step changes nothing and answers false, so
    // no step ever reaches a controller or shelf that no longer exists.
    void Bind(UndoTarget* target) { bound = target; }
    void Unbind(const UndoTarget* target);
    UndoTarget* Bound() const { return bound; }

    // The recording operations, each called before its change. None
    // records while a step is being applied; color changes and palette
    // loads are not recorded while the dialog updates itself either.
    void RecordNewColor(const UndoTarget& dialog, std::uint32_t colorBefore);
    void RecordSlot(UndoTarget& dialog, int index);
    // The slots strictly between a and b (in either order).
    void RecordRange(UndoTarget& dialog, int a, int b);
    void RecordPaletteLoad(UndoTarget& dialog);

    int Count() const;
    // Index of the unit applied last; -1 when everything is undone.
    int Current() const { return current; }

private:
    mjx_UNDOUNIT* UnitAt(int index) const;

    jx_COLLECTION* units;
    std::int32_t current = 0;
    std::int32_t busy = 0;
    UndoTarget* bound = nullptr;
};
