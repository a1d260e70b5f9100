#include <algorithm>
#include <cstring>

#include "color/ByteConversion.h"
#include "color/FloatColor.h"
#include "color/FloatTriple.h"
#include "color/GradientRenderers.h"
#include "color/HsvConversion.h"
#include "color/HueWalker.h"
#include "color/RowConversion.h"

void RenderTwoColorSlider(const PixelView& view, CRGBA c0, CRGBA c1)
{
    if (!view.IsUsable())
        return;
    const POINT3D start = ToFloatRgb(c0);
    const POINT3D d = (ToFloatRgb(c1) - start) / static_cast<float>(view.width);
    FloatRow band;
    POINT3D color = start;
    for (int x0 = 0; x0 < view.width; x0 += kBandColumns) {
        const int columns = std::min(kBandColumns, view.width - x0);
        for (int i = 0; i < columns; ++i) {
            band.Set(i, color);
            color = color + d;
        }
        StoreRow(band, FindRuns(band, columns), view.RowFromTop(0) + 3 * x0);
    }
    CopyRowToAllOthers(view, view.height - 1);
}

void RenderHueSlider(const PixelView& view, CHSV saturationValue)
{
    if (!view.IsUsable())
        return;
    const CRGBA red = HsvToRgb(CHSV::FromParts(0, saturationValue.Saturation(), saturationValue.Value()));
    HueWalker walker(red.Red() / 255.0f, red.Green() / 255.0f, view.width);
    FloatRow band;
    for (int x0 = 0; x0 < view.width; x0 += kBandColumns) {
        const int columns = std::min(kBandColumns, view.width - x0);
        for (int i = 0; i < columns; ++i) {
            band.Set(i, walker.Color());
            walker.Step(x0 + i);
        }
        StoreRow(band, FindRuns(band, columns), view.RowFromTop(0) + 3 * x0);
    }
    CopyRowToAllOthers(view, view.height - 1);
}

void RenderAlphaSlider(const PixelView& view, CRGBA c0, CRGBA c1, const Checkerboard& board)
{
    if (!view.IsUsable() || board.cell <= 0)
        return;
    const POINT3D start = ToFloatRgb(c0);
    const float width = static_cast<float>(view.width);
    const POINT3D d = (ToFloatRgb(c1) - start) / width;
    // All rows of one checker-row parity are the same: each parity is
    // computed once and copied to the rest of its rows.
    const std::uint8_t* computed[2] = {nullptr, nullptr};
    for (int y = 0; y < view.height; ++y) {
        std::uint8_t* row = view.RowFromTop(y);
        const int parity = (y / board.cell) & 1;
        if (computed[parity]) {
            std::memcpy(row, computed[parity], static_cast<std::size_t>(view.width) * 3);
            continue;
        }
        POINT3D color = start;
        CheckerCursor checker(board, 0, y);
        for (int x = 0; x < view.width; ++x, checker.Next()) {
            const double t = static_cast<float>(view.width - x) / width;
            const CRGBA c = FloatRgbToColor(color);
            const CRGBA k = checker.Color();
            std::uint8_t* pixel = row + 3 * x;
            pixel[0] = TruncToWrappedByte(k.Blue() * t + c.Blue());
            pixel[1] = TruncToWrappedByte(k.Green() * t + c.Green());
            pixel[2] = TruncToWrappedByte(k.Red() * t + c.Red());
            color = color + d;
        }
        computed[parity] = row;
    }
}
