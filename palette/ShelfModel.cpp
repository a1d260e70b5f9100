#include "palette/ShelfModel.h"

#include <algorithm>
#include <climits>

#include "color/FloatColor.h"

namespace {

// The single-precision 1.02: cells are that much taller than wide.
constexpr float kCellAspect = 1.02f;

std::uint32_t ReadAsColor(std::uint32_t slot) { return slot == EMPTY_SLOT ? 0 : slot; }

} // namespace

void CShelfModel::SetSize(int newWidth, int newHeight)
{
    width = std::max(newWidth, 0);
    height = std::max(newHeight, 0);
    const float cellWidth = static_cast<float>(width) / kColumns;
    cellHeight = static_cast<int>(cellWidth * kCellAspect);
    ClampScroll();
}

CellRect CShelfModel::GetCellRect(int index) const
{
    const float cellWidth = static_cast<float>(width) / kColumns;
    const int column = index % kColumns;
    const int row = index / kColumns;
    const float x0 = static_cast<float>(column) * cellWidth + 0.5f;
    const float y0 = static_cast<float>(static_cast<long long>(row) * cellHeight) + 0.5f;
    const int left = static_cast<int>(x0);
    const int top = static_cast<int>(y0);
    return {left, top, static_cast<int>(x0 + cellWidth) - left,
            static_cast<int>(y0 + static_cast<float>(cellHeight)) - top};
}

int CShelfModel::PictureRows() const
{
    // The palette's row count may lag behind its slots after a load; the
    // picture covers them all either way.
    const int covering = (slots.Count() + kColumns - 1) / kColumns;
    const int rows = std::max(slots.Rows(), covering);
    // No picture is taller than an int can say.
    return cellHeight > 0 ? std::min(rows, INT_MAX / cellHeight) : rows;
}

ShelfHit CShelfModel::HitTest(int x, int y) const
{
    ShelfHit hit;
    if (width <= 0 || cellHeight <= 0)
        return hit;
    hit.column = static_cast<int>(static_cast<long long>(kColumns) * x / width);
    hit.row = static_cast<int>((static_cast<long long>(scrollPos) + y) / cellHeight);
    hit.index = static_cast<int>(std::min<long long>(static_cast<long long>(hit.row) * kColumns + hit.column, INT_MAX));
    hit.onSlot = x >= 0 && y >= 0 && x < width && y < height && hit.index < slots.Count();
    return hit;
}

int CShelfModel::ScrollMaximum() const { return std::max(PictureHeight() - height, 0); }

void CShelfModel::ClampScroll()
{
    if (slots.Count() > 0)
        scrollPos = std::clamp(scrollPos, 0, ScrollMaximum());
}

bool CShelfModel::ScrollTo(int position)
{
    position = std::clamp(position, 0, ScrollMaximum());
    if (position == scrollPos)
        return false;
    scrollPos = position;
    return true;
}

std::optional<int> CShelfModel::ScrollTarget(int code, int thumb) const
{
    switch (code) {
    case kScrollLineUp:
    case kScrollPageUp:
        return scrollPos - cellHeight;
    case kScrollLineDown:
    case kScrollPageDown:
        return scrollPos + cellHeight;
    case kScrollThumbTrack:
        return thumb & 0xFFFF;
    case kScrollTop:
        return 0;
    case kScrollBottom:
        return ScrollMaximum();
    default:
        return std::nullopt;
    }
}

void CShelfModel::UpdateMarks(std::uint32_t color)
{
    color &= 0x00FFFFFF;
    marks.clear();
    for (int i = 0; i < slots.Count(); ++i)
        if (slots.At(i) == color)
            marks.push_back(i);
    needsRefresh = false;
}

bool CShelfModel::WouldChange(int index, std::uint32_t value) const
{
    return index >= 0 && index < slots.Count() && slots.At(index) != value;
}

bool CShelfModel::SetSlot(int index, std::uint32_t value)
{
    if (!WouldChange(index, value))
        return false;
    slots.Set(index, value);
    needsRefresh = true;
    return true;
}

void CShelfModel::MakeGradient(int a, int b)
{
    const int lo = std::clamp(std::min(a, b), 0, slots.Count() - 1);
    const int hi = std::clamp(std::max(a, b), 0, slots.Count() - 1);
    if (hi - lo < 2)
        return;
    const POINT3D start = ToFloatRgb(CRGBA(ReadAsColor(slots.At(lo))));
    const POINT3D end = ToFloatRgb(CRGBA(ReadAsColor(slots.At(hi))));
    const float n = static_cast<float>(hi - lo);
    const POINT3D step{(end.x - start.x) / n, (end.y - start.y) / n, (end.z - start.z) / n};
    POINT3D color = start;
    for (int i = lo + 1; i < hi; ++i) {
        color = {color.x + step.x, color.y + step.y, color.z + step.z};
        slots.Set(i, FloatRgbToColor(color).value);
    }
    needsRefresh = true;
}

bool CShelfModel::FilledNeighbours(int index, int& before, int& after) const
{
    before = index - 1;
    while (before >= 0 && slots.At(before) == EMPTY_SLOT)
        --before;
    after = index + 1;
    while (after < slots.Count() && slots.At(after) == EMPTY_SLOT)
        ++after;
    return before >= 0 && after < slots.Count();
}

int CShelfModel::FirstEmptySlot() const
{
    for (int i = 0; i < slots.Count(); ++i)
        if (slots.At(i) == EMPTY_SLOT)
            return i;
    return -1;
}

int CShelfModel::NextEmptyRowTop(int from) const
{
    for (int i = 0; i < slots.Count(); ++i)
        if (slots.At(i) == EMPTY_SLOT && RowTop(i) > from)
            return RowTop(i);
    return -1;
}
