#include "undo/UndoUnits.h"

#include <utility>

#include "undo/UndoTarget.h"

bool CBoundUndoUnit::Apply(bool, int stage)
{
    if (stage != 1)
        return true;
    UndoTarget* dialog = history.Bound();
    return dialog && Exchange(*dialog);
}

bool mjx_UNDO_NEWCOLOR::Exchange(UndoTarget& dialog)
{
    const std::uint32_t live = dialog.UndoColor();
    dialog.SetUndoColor(color);
    color = live;
    return true;
}

bool mjx_UNDO_PAL::Exchange(UndoTarget& dialog)
{
    CPaletteSlots& slots = dialog.UndoSlots();
    // The palette may have become shorter since (a load replaced it): it
    // grows back to whole rows holding the slot, which was empty.
    std::uint32_t live = EMPTY_SLOT;
    if (index < slots.Count())
        live = slots.At(index);
    else
        slots.NormalizeRows(index + 1);
    slots.Set(index, std::exchange(value, live));
    dialog.SlotsChanged();
    return true;
}

bool mjx_UNDO_PALii::Exchange(UndoTarget& dialog)
{
    if (!values)
        return false;
    CPaletteSlots& slots = dialog.UndoSlots();
    // As for a single slot, a palette that became shorter grows back first.
    if (lo + n >= slots.Count())
        slots.NormalizeRows(lo + n + 1);
    for (int i = 0; i < n; ++i) {
        const std::uint32_t live = slots.At(lo + 1 + i);
        slots.Set(lo + 1 + i, values[i]);
        values[i] = live;
    }
    dialog.SlotsChanged();
    return true;
}

bool mjx_UNDO_PAL_LOAD::Exchange(UndoTarget& dialog)
{
    if (!snapshot)
        return false;
    jx_REF<jx_STREAM> live(dialog.SnapshotPalette());
    if (!live)
        return false;
    dialog.LoadPaletteSnapshot(snapshot.get());
    snapshot = std::move(live);
    return true;
}
