// What the undo history changes: the current color and the palette shelf of
// the dialog that is open. The dialog controller is the target; it binds
// itself to the module's history while its dialog runs.
#pragma once

#include <cstdint>

#include "palette/PaletteSlots.h"

class jx_STREAM;

class UndoTarget {
public:
    // The current color, all 32 bits.
    virtual std::uint32_t UndoColor() const = 0;
    // Sets the current color and refreshes every control.
    virtual void SetUndoColor(std::uint32_t color) = 0;
    // Set while the dialog updates its own controls (among others while it
    // starts): no color change or palette load is recorded then.
    virtual bool IsUpdating() const = 0;

    virtual CPaletteSlots& UndoSlots() = 0;
    // Slots were written through UndoSlots: the shelf is drawn anew and the
    // undo buttons follow the history.
    virtual void SlotsChanged() = 0;
    // The whole palette, colors and names, as a GIMP palette in a new
    // memory stream at position 0 (one reference, the caller's); null when
    // no memory stream can be had.
    virtual jx_STREAM* SnapshotPalette() = 0;
    // Replaces slots and names by a palette read from the stream.
    virtual void LoadPaletteSnapshot(jx_STREAM* snapshot) = 0;

protected:
    ~UndoTarget() = default;
};
