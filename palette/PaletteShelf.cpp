#include "palette/PaletteShelf.h"

#include <algorithm>

#include "common/DialogItem.h"
#include "palette/ShelfRenderer.h"

namespace {

constexpr int kScrollBarId = 1027;
constexpr int kEmptyMarkBitmap = 110;
constexpr char kGradientLetters[] = "GRADIENT";

} // namespace

void CPaletteShelf::SetRectFromWindow(HWND placeholder)
{
    CWBase::SetRectFromWindow(placeholder);
    model.SetSize(width, height);
    flags |= kContentChanged;
    UpdateScrollBar();
}

bool CPaletteShelf::HitTest(int x, int y, int marginX, int marginY)
{
    hit = model.HitTest(x - left, y - top);
    return hit.onSlot && Contains(x, y, marginX, marginY);
}

PixelView CPaletteShelf::EmptyMark()
{
    if (markLoaded)
        return mark;
    markLoaded = true;
    // The bitmap resource is a BITMAPINFOHEADER followed by bottom-up
    // 24-bit rows; it stays mapped with the module.
    const HINSTANCE module = owner ? owner->ResourceModule() : nullptr;
    HRSRC found = module ? FindResourceW(module, MAKEINTRESOURCEW(kEmptyMarkBitmap), MAKEINTRESOURCEW(2)) : nullptr;
    HGLOBAL loaded = found ? LoadResource(module, found) : nullptr;
    const auto* header = loaded ? static_cast<const BITMAPINFOHEADER*>(LockResource(loaded)) : nullptr;
    const DWORD size = found ? SizeofResource(module, found) : 0;
    if (!header || size < sizeof(BITMAPINFOHEADER) || header->biBitCount != 24 || header->biCompression != BI_RGB ||
        header->biWidth <= 0 || header->biHeight <= 0 || header->biWidth > 256 || header->biHeight > 256)
        return mark;
    const int stride = DibStride(header->biWidth);
    if (size < header->biSize + static_cast<DWORD>(stride) * static_cast<DWORD>(header->biHeight))
        return mark;
    auto* bits = const_cast<std::uint8_t*>(reinterpret_cast<const std::uint8_t*>(header) + header->biSize);
    mark = {bits, static_cast<int>(header->biWidth), static_cast<int>(header->biHeight), stride};
    return mark;
}

void CPaletteShelf::Render()
{
    flags &= ~kContentChanged;
    renderedScroll = model.ScrollPosition();
    RenderShelf(buffer.View(), model, EmptyMark());
}

void CPaletteShelf::Paint(HDC dc)
{
    if (model.needsRefresh && owner)
        model.UpdateMarks(owner->CurrentColor().value);
    if (flags & (kSizeChanged | kContentChanged)) {
        // The palette keeps one empty row after its last used slot.
        if (model.slots.NormalizeRows(0))
            UpdateScrollBar();
    }
    // Only the rows that show are drawn, so a scroll draws them anew.
    if (renderedScroll != model.ScrollPosition())
        flags |= kContentChanged;
    Prepare();
    PatBlt(dc, left - 1, top - 1, width + 2, 1, BLACKNESS);
    PatBlt(dc, left - 1, top + height, width + 2, 1, BLACKNESS);
    PatBlt(dc, left - 1, top, 1, height, BLACKNESS);
    PatBlt(dc, left + width, top, 1, height, BLACKNESS);
    Blit(dc);
    if (model.Marks().empty())
        return;
    for (const int index : model.Marks())
        DrawMarkFrame(dc, index);
    antsPhase = !antsPhase;
}

CellRect CPaletteShelf::SlotPlace(int index) const
{
    CellRect place = model.GetCellRect(index);
    place.left += left;
    place.top += top - model.ScrollPosition();
    return place;
}

void CPaletteShelf::DrawMarkFrame(HDC dc, int index) const
{
    const CellRect cell = SlotPlace(index);
    // Frames of cells out of view draw nothing.
    if (!IsInView(cell))
        return;
    const int cellLeft = cell.left;
    const int cellTop = cell.top;
    const int cellBottom = cellTop + cell.height - 1;
    const auto dot = [dc](int x, int y, bool black) { PatBlt(dc, x, y, 1, 1, black ? BLACKNESS : WHITENESS); };
    const auto visibleRow = [this](int y) { return y >= top && y < top + height; };
    bool phase = antsPhase;
    if (visibleRow(cellTop))
        for (int x = cellLeft; x <= cellLeft + cell.width - 2; ++x, phase = !phase)
            dot(x, cellTop, phase);
    for (int y = cellTop; y <= cellTop + cell.height - 2 && y <= top + height - 1; ++y, phase = !phase)
        if (y > top)
            dot(cellLeft + cell.width - 1, y, phase);
    phase = antsPhase;
    for (int y = cellTop; y <= cellTop + cell.height - 2 && y <= top + height - 1; ++y, phase = !phase)
        if (y > top)
            dot(cellLeft, y, phase);
    if (visibleRow(cellBottom))
        for (int x = cellLeft; x <= cellLeft + cell.width - 1; ++x, phase = !phase)
            dot(x, cellBottom, phase);
}

void CPaletteShelf::DrawGradientPreview(HDC dc, int a, int b) const
{
    const int lo = std::max(std::min(a, b), 0);
    const int hi = std::min(std::max(a, b), model.slots.Count() - 1);
    const int cellWidth = width / CShelfModel::kColumns;
    const int cellHeight = model.CellHeight();
    const int margin = cellHeight / 5;
    int letter = 0;
    for (int i = lo; i <= hi; ++i) {
        const int y = model.RowTop(i) - model.ScrollPosition();
        if (y >= height - margin)
            break;
        if (y < 0)
            continue;
        RECT cell{left + (i % CShelfModel::kColumns) * cellWidth, top + y, 0, top + y + cellHeight};
        cell.right = cell.left + cellWidth;
        DrawTextA(dc, kGradientLetters + letter, 1, &cell, DT_CENTER | DT_VCENTER | DT_SINGLELINE);
        letter = (letter + 1) % (sizeof kGradientLetters - 1);
    }
}

void CPaletteShelf::InvalidateShelf() const
{
    if (!owner)
        return;
    const RECT rect = Area();
    InvalidateRect(owner->DialogWindow(), &rect, FALSE);
}

void CPaletteShelf::UpdateScrollBar()
{
    model.ClampScroll();
    HWND bar = owner ? DialogItem(owner->DialogWindow(), kScrollBarId) : nullptr;
    if (!bar)
        return;
    const int maximum = model.ScrollMaximum();
    if (maximum == 0) {
        EnableScrollBar(bar, SB_CTL, ESB_DISABLE_BOTH);
        return;
    }
    SCROLLINFO info{};
    info.cbSize = sizeof info;
    info.fMask = SIF_RANGE | SIF_PAGE | SIF_POS;
    info.nMin = 0;
    info.nMax = maximum + model.CellHeight();
    info.nPage = static_cast<UINT>(model.CellHeight());
    info.nPos = model.ScrollPosition();
    SetScrollInfo(bar, SB_CTL, &info, TRUE);
    EnableScrollBar(bar, SB_CTL, ESB_ENABLE_BOTH);
}

void CPaletteShelf::ScrollTo(int position)
{
    if (!model.ScrollTo(position))
        return;
    InvalidateShelf();
    if (HWND bar = owner ? DialogItem(owner->DialogWindow(), kScrollBarId) : nullptr) {
        SCROLLINFO info{};
        info.cbSize = sizeof info;
        info.fMask = SIF_POS;
        info.nPos = model.ScrollPosition();
        SetScrollInfo(bar, SB_CTL, &info, TRUE);
    }
}

void CPaletteShelf::OnScroll(int code, int thumb)
{
    if (const std::optional<int> target = model.ScrollTarget(code, thumb))
        ScrollTo(*target);
}

bool CPaletteShelf::SetSlot(int index, std::uint32_t value)
{
    if (!model.WouldChange(index, value))
        return false;
    if (owner)
        owner->BeforeSlotChange(index);
    model.SetSlot(index, value);
    flags |= kContentChanged;
    return true;
}

void CPaletteShelf::MakeGradient(int a, int b)
{
    if (owner)
        owner->BeforeGradient(a, b);
    model.MakeGradient(a, b);
    flags |= kContentChanged;
}

void CPaletteShelf::PaletteChanged()
{
    flags |= kContentChanged;
    model.needsRefresh = true;
    UpdateScrollBar();
}
