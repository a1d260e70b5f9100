// Where a windowless control of the picker sits in the dialog's client area
// (its placeholder's rectangle), whether it must be rendered again, and the
// arithmetic between its pixels and the channel values it shows: pointer
// position to value fraction, value fraction to marker column or row.
#pragma once

#include <cstdint>

// Bits of CControlGeometry::flags.
enum ControlDirtyBit : std::uint32_t {
    // The control's buffer must be created anew at the new size.
    kSizeChanged = 1,
    // The control's buffer (or brush) must be rendered again.
    kContentChanged = 2,
};

class CControlGeometry {
public:
    // Takes a placeholder's rectangle. A width or height that differs from
    // the stored one marks the size changed; an extent of 0 is then stored
    // as 1, so a control is never empty.
    void TakeRect(int newLeft, int newTop, int newWidth, int newHeight);

    // True when left - marginX <= x < left + width + marginX, and the same
    // for y with marginY. The dialog tests sliders with margins 4 and 1.
    bool Contains(int x, int y, int marginX, int marginY) const;

    // The pointer's position as a fraction of the control: across from the
    // left edge, up from the bottom edge, each clamped to 0..1 and computed
    // in single precision.
    float FractionAcross(int x) const;
    float FractionUp(int y) const;

    // Where a marker at a fraction of the range is drawn: the column
    // left + trunc((width - 1) x fraction), and the row that many pixels
    // above the bottom row (a fraction of 0 marks the bottom row).
    int MarkerColumn(float fraction) const;
    int MarkerRow(float fraction) const;

    int left = 0;
    int top = 0;
    int width = 0;
    int height = 0;
    // Every bit set at construction, so every control renders at its first paint.
    std::uint32_t flags = ~std::uint32_t{0};
};
