#include "color/Controls.h"

#include "color/GradientRenderers.h"

namespace {

// The erase frame around a slider and the reach of its triangles.
constexpr int kFrame = 5;
constexpr int kTriangleRows = 5;

} // namespace

void CWBase::SetRectFromWindow(HWND placeholder)
{
    if (!IsWindow(placeholder))
        return;
    RECT rect{};
    GetWindowRect(placeholder, &rect);
    MapWindowPoints(nullptr, GetParent(placeholder), reinterpret_cast<POINT*>(&rect), 2);
    TakeRect(rect.left, rect.top, rect.right - rect.left, rect.bottom - rect.top);
}

void CWBase::Prepare()
{
    if (buffer.bits && !(flags & kSizeChanged)) {
        if (flags & kContentChanged) {
            flags &= ~kContentChanged;
            Render();
        }
        return;
    }
    // A failed creation leaves no bits; the next paint tries again.
    buffer.Create(width, height);
    flags &= ~(kSizeChanged | kContentChanged);
    Render();
}

void CWBase::Blit(HDC dc) const
{
    if (!buffer.bits)
        return;
    const MemoryDc memory(dc);
    const SelectedObject selected(memory.get(), buffer.Bitmap());
    BitBlt(dc, left, top, width, height, memory.get(), 0, 0, SRCCOPY);
}

void CStatic::Paint(HDC dc)
{
    if (owner->IsAlphaEnabled()) {
        Prepare();
        Blit(dc);
        return;
    }
    if (flags & kContentChanged || !brush) {
        brush.reset(CreateSolidBrush(owner->CurrentColor().ColorRef()));
        flags &= ~kContentChanged;
    }
    const SelectedObject selected(dc, brush.get());
    PatBlt(dc, left, top, width, height, PATCOPY);
}

void CStatic::Render()
{
    flags &= ~kContentChanged;
    if (owner->IsAlphaEnabled())
        RenderAlphaSwatch(buffer.View(), owner->CurrentColor(), lower, owner->BoardFor(CheckerboardUse::Swatch));
}

void CGr::SetParams(const GradientParams& words)
{
    for (int i = 0; i < static_cast<int>(words.size()); ++i)
        SetParam(i, words[i]);
}

void CGr::SetParam(int index, std::uint32_t word)
{
    if (params[index] == word)
        return;
    params[index] = word;
    flags |= kContentChanged;
}

void CGr::Render()
{
    flags &= ~kContentChanged;
    const PixelView view = buffer.View();
    switch (kind) {
    case kHorizontalSlider:
        if (channelX == kChannelAlpha)
            RenderAlphaSlider(view, CRGBA(params[0]), CRGBA(params[1]), owner->BoardFor(CheckerboardUse::AlphaSlider));
        else if (channelX == kChannelHue)
            RenderHueSlider(view, CHSV(params[0]));
        else
            RenderTwoColorSlider(view, CRGBA(params[0]), CRGBA(params[1]));
        break;
    case kVerticalStrip:
        if (channelY == kChannelHue)
            RenderHueStrip(view);
        else
            RenderTwoColorStrip(view, CRGBA(params[2]), CRGBA(params[3]));
        break;
    case kRgbField:
        RenderRgbField(view, CRGBA(params[0]), CRGBA(params[1]), CRGBA(params[2]), CRGBA(params[4]));
        break;
    case kHsvField:
        if (channelX == kChannelHue)
            RenderHueAcrossField(view, CRGBA(params[0]), CHSV(params[1]));
        else
            RenderSaturationValueField(view, CRGBA(params[1]));
        break;
    default:
        break;
    }
}

void CGr::Paint(HDC dc)
{
    Prepare();
    Blit(dc);
    PaintMarkers(dc);
}

void CGr::PaintMarkers(HDC dc) const
{
    if (markerFlags & kTriangleMarker) {
        const SelectedObject background(dc, owner->BackgroundBrush());
        PatBlt(dc, left - kFrame, top - 1, width + 2 * kFrame, 1, PATCOPY);
        PatBlt(dc, left - kFrame, top + height, width + 2 * kFrame, 1, PATCOPY);
        PatBlt(dc, left - kFrame, top, kFrame, height, PATCOPY);
        PatBlt(dc, left + width, top, kFrame, height, PATCOPY);
    }
    if (markerFlags == 0)
        return;
    const SelectedObject white(dc, GetStockObject(WHITE_BRUSH));
    if (markerFlags & kColumnMarker) {
        const int column = MarkerColumn(posX);
        if (markerFlags & kTriangleMarker) {
            // A black triangle pointing down from the line above the control
            // and a white one pointing up from the line below it.
            for (int i = 0; i < kTriangleRows; ++i) {
                const int rowWidth = 2 * (kTriangleRows - i) - 1;
                PatBlt(dc, column - (kTriangleRows - 1) + i, top - 1 + i, rowWidth, 1, BLACKNESS);
                PatBlt(dc, column - (kTriangleRows - 1) + i, top + height - i, rowWidth, 1, WHITENESS);
            }
        } else {
            PatBlt(dc, column, top, 1, height, PATINVERT);
        }
    }
    if (markerFlags & kRowMarker)
        PatBlt(dc, left, MarkerRow(posY), width, 1, PATINVERT);
}

bool CGr::MouseTrack(int x, int y)
{
    bool changed = false;
    if (channelX != -1)
        changed = owner->SetChannelFraction(channelX, FractionAcross(x));
    if (channelY != -1)
        changed = owner->SetChannelFraction(channelY, FractionUp(y)) || changed;
    return changed;
}
