#include "palette/ShelfRenderer.h"

#include <algorithm>
#include <cstring>

namespace {

// The part of a cell inside the view, in view rows (top down).
struct Span {
    int x0, x1, y0, y1;
};

void FillSpan(const PixelView& view, const Span& span, CRGBA color)
{
    for (int y = span.y0; y < span.y1; ++y)
        FillPixels(view.RowFromTop(y) + 3 * span.x0, span.x1 - span.x0, color);
}

// The mark centred in the cell (at cellTop in view rows), clipped to the
// cell and the view.
void CopyMark(const PixelView& view, const CellRect& cell, int cellTop, const Span& span, const PixelView& mark)
{
    const int markLeft = cell.left + (cell.width - mark.width) / 2;
    const int markTop = cellTop + (cell.height - mark.height) / 2;
    const int x0 = std::max(markLeft, span.x0);
    const int x1 = std::min(markLeft + mark.width, span.x1);
    if (x0 >= x1)
        return;
    for (int y = std::max(markTop, span.y0); y < std::min(markTop + mark.height, span.y1); ++y)
        std::memcpy(view.RowFromTop(y) + 3 * x0, mark.RowFromTop(y - markTop) + 3 * (x0 - markLeft),
                    static_cast<std::size_t>(x1 - x0) * 3);
}

} // namespace

void RenderShelf(const PixelView& view, const CShelfModel& shelf, const PixelView& mark)
{
    if (!view.IsUsable())
        return;
    const int cellHeight = shelf.CellHeight();
    const int scroll = shelf.ScrollPosition();
    const int count = shelf.slots.Count();
    const int firstRow = cellHeight > 0 ? scroll / cellHeight : 0;
    // Black first: below the palette's last row, and wherever rounded cell
    // edges leave a pixel between cells.
    FillSpan(view, {0, view.width, 0, view.height}, CRGBA(0));
    for (int row = firstRow; cellHeight > 0 && row < shelf.PictureRows(); ++row) {
        const int rowTop = row * cellHeight - scroll;
        if (rowTop >= view.height)
            break;
        for (int column = 0; column < CShelfModel::kColumns; ++column) {
            const int index = row * CShelfModel::kColumns + column;
            const CellRect cell = shelf.GetCellRect(index);
            const int cellTop = cell.top - scroll;
            const Span span{std::clamp(cell.left, 0, view.width), std::clamp(cell.left + cell.width, 0, view.width),
                            std::clamp(cellTop, 0, view.height), std::clamp(cellTop + cell.height, 0, view.height)};
            const std::uint32_t value = index < count ? shelf.slots.At(index) : EMPTY_SLOT;
            if (value != EMPTY_SLOT)
                FillSpan(view, span, CRGBA(value));
            if (value == EMPTY_SLOT && index < count && mark.IsUsable())
                CopyMark(view, cell, cellTop, span, mark);
        }
    }
}
