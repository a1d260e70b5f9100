#include "undo/UndoManager.h"

#include <algorithm>
#include <memory>

#include "plexa/jx_COLLECTION.h"
#include "undo/UndoTarget.h"
#include "undo/UndoUnits.h"

namespace {

void DeleteUnit(void* unit) { delete static_cast<mjx_UNDOUNIT*>(unit); }

// Clears busy on every way out of Undo and Redo.
class BusyWhileApplying {
public:
    explicit BusyWhileApplying(std::int32_t& busy) : busy(busy) { busy = 1; }
    ~BusyWhileApplying() { busy = 0; }
    BusyWhileApplying(const BusyWhileApplying&) = delete;
    BusyWhileApplying& operator=(const BusyWhileApplying&) = delete;

private:
    std::int32_t& busy;
};

} // namespace

mjx_UNDOMGR::mjx_UNDOMGR() : units(jx_COLLECTION::Create(32, 16)) { units->SetItemDeleter(DeleteUnit); }

mjx_UNDOMGR::~mjx_UNDOMGR() { units->Release(); }

int mjx_UNDOMGR::Count() const { return units->Count(); }

mjx_UNDOUNIT* mjx_UNDOMGR::UnitAt(int index) const { return static_cast<mjx_UNDOUNIT*>(units->At(index)); }

bool mjx_UNDOMGR::Add(mjx_UNDOUNIT* unit)
{
    while (current < units->Count() - 1)
        units->RemoveAt(units->Count() - 1);
    current = units->Add(unit);
    return true;
}

mjx_UNDOUNIT* mjx_UNDOMGR::GetUndoUnit() const
{
    return current >= 0 && current < units->Count() ? UnitAt(current) : nullptr;
}

mjx_UNDOUNIT* mjx_UNDOMGR::GetRedoUnit() const
{
    return units->Count() > 0 && current < units->Count() - 1 ? UnitAt(current + 1) : nullptr;
}

bool mjx_UNDOMGR::Undo()
{
    const BusyWhileApplying guard(busy);
    mjx_UNDOUNIT* unit = GetUndoUnit();
    if (!unit)
        return false;
    --current;
    return unit->Apply(true, 1);
}

bool mjx_UNDOMGR::Redo()
{
    const BusyWhileApplying guard(busy);
    mjx_UNDOUNIT* unit = GetRedoUnit();
    if (!unit)
        return false;
    ++current;
    return unit->Apply(false, 1);
}

void mjx_UNDOMGR::Unbind(const UndoTarget* target)
{
    if (bound == target)
        bound = nullptr;
}

void mjx_UNDOMGR::RecordNewColor(const UndoTarget& dialog, std::uint32_t colorBefore)
{
    if (busy || dialog.IsUpdating())
        return;
    Add(new mjx_UNDO_NEWCOLOR(*this, colorBefore));
}

void mjx_UNDOMGR::RecordSlot(UndoTarget& dialog, int index)
{
    const CPaletteSlots& slots = dialog.UndoSlots();
    if (busy || index < 0 || index >= slots.Count())
        return;
    Add(new mjx_UNDO_PAL(*this, index, slots.At(index)));
}

void mjx_UNDOMGR::RecordRange(UndoTarget& dialog, int a, int b)
{
    const CPaletteSlots& slots = dialog.UndoSlots();
    const int lo = std::min(a, b);
    // Equal ends have nothing between them; slots past the palette are not
    // part of it, so the block stops at its end.
    const int n = std::max(std::min(std::max(a, b), slots.Count()) - lo - 1, 0);
    if (busy || lo < 0)
        return;
    auto values = std::make_unique<std::uint32_t[]>(static_cast<std::size_t>(n));
    for (int i = 0; i < n; ++i)
        values[i] = slots.At(lo + 1 + i);
    Add(new mjx_UNDO_PALii(*this, lo, n, std::move(values)));
}

void mjx_UNDOMGR::RecordPaletteLoad(UndoTarget& dialog)
{
    if (busy || dialog.IsUpdating())
        return;
    // Without a memory stream there is nothing to go back to: no step.
    if (jx_STREAM* snapshot = dialog.SnapshotPalette())
        Add(new mjx_UNDO_PAL_LOAD(*this, snapshot));
}
