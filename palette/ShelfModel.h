// The palette shelf without its window: the palette's slots in rows of
// twelve cells, the cells' geometry for the shelf's size, the scroll range,
// which slot lies under a point, the slots that hold the current color, and
// every change of a slot. The shelf control paints and scrolls what this
// computes.
#pragma once

#include <algorithm>
#include <cstdint>
#include <optional>
#include <vector>

#include "palette/PaletteSlots.h"

struct CellRect {
    int left = 0;
    int top = 0;
    int width = 0;
    int height = 0;
    bool operator==(const CellRect&) const = default;
};

// The scroll bar requests, numbered as Windows' SB_ codes.
enum ScrollRequest : int {
    kScrollLineUp = 0,
    kScrollLineDown = 1,
    kScrollPageUp = 2,
    kScrollPageDown = 3,
    kScrollThumbTrack = 5,
    kScrollTop = 6,
    kScrollBottom = 7,
};

struct ShelfHit {
    int column = 0;
    int row = 0;
    int index = 0;
    // The point lies on a slot that exists.
    bool onSlot = false;
};

class CShelfModel {
public:
    static constexpr int kColumns = CPaletteSlots::kColumns;

    // A new shelf size: the cell height (cells are 2 % taller than wide)
    // and the scroll range follow it.
    void SetSize(int newWidth, int newHeight);
    int Width() const { return width; }
    int Height() const { return height; }
    int CellHeight() const { return cellHeight; }

    // Slot i's cell, in content coordinates (the top of the palette's
    // picture is 0). Cells of a row differ in width by a pixel where the
    // real cell width is fractional.
    CellRect GetCellRect(int index) const;
    // Rows the palette's picture holds: enough for every slot.
    int PictureRows() const;
    int PictureHeight() const { return PictureRows() * cellHeight; }

    // The slot under a point given relative to the shelf's top-left corner;
    // column, row and index are computed even beside the slots.
    ShelfHit HitTest(int x, int y) const;

    // The largest scroll position: the picture's height less the view's, or 0.
    int ScrollMaximum() const;
    int ScrollPosition() const { return scrollPos; }
    // Keeps the position within the range once there are slots; before the
    // first palette is loaded the position read from the settings waits for it.
    void ClampScroll();
    // The position read from the settings: kept as it is until a palette
    // is loaded and clamps it.
    void RestoreScroll(int position) { scrollPos = std::max(position, 0); }
    // Clamps and stores a position; true when it changed.
    bool ScrollTo(int position);
    // Where a scroll bar request (Windows' SB_ code) leads: lines and pages
    // are one row, the thumb's position is taken as it is; nothing for a
    // request that does not scroll.
    std::optional<int> ScrollTarget(int code, int thumb) const;

    // The slots equal to the color (its top byte ignored), ascending.
    void UpdateMarks(std::uint32_t color);
    const std::vector<int>& Marks() const { return marks; }

    // False for an index outside the palette or a slot that already holds
    // the value.
    bool WouldChange(int index, std::uint32_t value) const;
    // Stores a value; false (nothing changed) where WouldChange is false.
    bool SetSlot(int index, std::uint32_t value);
    // Fills the slots between a and b with the blend of their colors (empty
    // ones read as black); a and b keep their values.
    void MakeGradient(int a, int b);
    // The nearest filled slots before and after an empty one; false when
    // either is missing.
    bool FilledNeighbours(int index, int& before, int& after) const;
    // The first empty slot, or -1.
    int FirstEmptySlot() const;
    // The row top (content pixels) of the first empty slot whose row lies
    // below `from`, or -1.
    int NextEmptyRowTop(int from) const;
    int RowTop(int index) const { return index / kColumns * cellHeight; }

    CPaletteSlots slots;
    // Raised by every change of the current color or of a slot: the marks
    // must be found again before the next paint.
    bool needsRefresh = true;

private:
    int width = 0;
    int height = 0;
    int cellHeight = 0;
    int scrollPos = 0;
    std::vector<int> marks;
};
