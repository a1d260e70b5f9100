#include <cstring>

#include "ByteConversion.h"
#include "FloatColor.h"
#include "FloatTriple.h"
#include "GradientRenderers.h"
#include "HsvConversion.h"
#include "HueWalker.h"

void RenderTwoColorSlider(const PixelView& view, CRGBA c0, CRGBA c1)
{
    if (!view.IsUsable())
        return;
    const POINT3D start = ToFloatRgb(c0);
    const POINT3D d = (ToFloatRgb(c1) - start) / static_cast<float>(view.width);
    std::uint8_t* row = view.RowFromTop(0);
    POINT3D color = start;
    for (int x = 0; x < view.width; ++x) {
        PutPixel(row + 3 * x, FloatRgbToColor(color));
        color = color + d;
    }
    CopyRowToAllOthers(view, view.height - 1);
}

void RenderHueSlider(const PixelView& view, CHSV saturationValue)
{
    if (!view.IsUsable())
        return;
    const CRGBA red = HsvToRgb(CHSV::FromParts(0, saturationValue.Saturation(), saturationValue.Value()));
    HueWalker walker(red.Red() / 255.0f, red.Green() / 255.0f, view.width);
    std::uint8_t* row = view.RowFromTop(0);
    for (int x = 0; x < view.width; ++x) {
        PutPixel(row + 3 * x, FloatRgbToColor(walker.Color()));
        walker.Step(x);
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
    // Rows of the same checker-row parity are the same.
    const std::uint8_t* lastRow = nullptr;
    int lastParity = -1;
    for (int y = 0; y < view.height; ++y) {
        std::uint8_t* row = view.RowFromTop(y);
        const int parity = (y / board.cell) & 1;
        if (parity == lastParity) {
            std::memcpy(row, lastRow, static_cast<std::size_t>(view.width) * 3);
            continue;
        }
        POINT3D color = start;
        for (int x = 0; x < view.width; ++x) {
            const double t = static_cast<float>(view.width - x) / width;
            const CRGBA c = FloatRgbToColor(color);
            const CRGBA k = board.At(x, y);
            std::uint8_t* pixel = row + 3 * x;
            pixel[0] = TruncToWrappedByte(k.Blue() * t + c.Blue());
            pixel[1] = TruncToWrappedByte(k.Green() * t + c.Green());
            pixel[2] = TruncToWrappedByte(k.Red() * t + c.Red());
            color = color + d;
        }
        lastRow = row;
        lastParity = parity;
    }
}
