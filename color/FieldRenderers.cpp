#include <algorithm>

#include "FloatColor.h"
#include "FloatTriple.h"
#include "GradientRenderers.h"
#include "HsvConversion.h"
#include "HueWalker.h"

namespace {

// Columns whose per-column terms are computed once per field, on the stack.
// Wider fields are drawn in bands of this many columns.
constexpr int kBandColumns = 512;

} // namespace

void RenderRgbField(const PixelView& view, CRGBA c0, CRGBA c1, CRGBA c2, CRGBA fixed)
{
    if (!view.IsUsable())
        return;
    const POINT3D start = ToFloatRgb(c0);
    const POINT3D dx = (ToFloatRgb(c1) - start) / static_cast<float>(view.width);
    const POINT3D top = ToFloatRgb(c2);
    const POINT3D dy = -top / static_cast<float>(view.height);

    // Every row accumulates the same column terms 0, dx, dx + dx, ... in
    // single precision, so computing that sequence once gives each row the
    // very sums it would have accumulated itself.
    POINT3D across[kBandColumns];
    POINT3D acc{0, 0, 0};
    for (int x0 = 0; x0 < view.width; x0 += kBandColumns) {
        const int columns = std::min(kBandColumns, view.width - x0);
        for (int i = 0; i < columns; ++i) {
            across[i] = acc;
            acc = acc + dx;
        }
        POINT3D base = top;
        for (int y = 0; y < view.height; ++y) {
            std::uint8_t* pixel = view.RowFromTop(y) + 3 * x0;
            for (int i = 0; i < columns; ++i, pixel += 3) {
                const CRGBA p = FloatRgbToColor(across[i] + base);
                pixel[0] = static_cast<std::uint8_t>(p.Blue() + fixed.Blue());
                pixel[1] = static_cast<std::uint8_t>(p.Green() + fixed.Green());
                pixel[2] = static_cast<std::uint8_t>(p.Red() + fixed.Red());
            }
            base = base + dy;
        }
    }
}

void RenderSaturationValueField(const PixelView& view, CRGBA pureHue)
{
    if (!view.IsUsable())
        return;
    const float width = static_cast<float>(view.width);
    const float height = static_cast<float>(view.height);
    const POINT3D hue = ToFloatRgb(pureHue);
    const POINT3D leftStep = POINT3D{-1.0f, -1.0f, -1.0f} / height;
    const POINT3D rightStep = -hue / height;
    POINT3D left{1.0f, 1.0f, 1.0f};
    POINT3D right = hue;
    for (int y = 0; y < view.height; ++y) {
        const POINT3D d = (right - left) / width;
        POINT3D color = left;
        std::uint8_t* pixel = view.RowFromTop(y);
        for (int x = 0; x < view.width; ++x, pixel += 3) {
            PutPixel(pixel, FloatRgbToColor(color));
            color = color + d;
        }
        left = left + leftStep;
        right = right + rightStep;
    }
}

void RenderHueAcrossField(const PixelView& view, CRGBA bottom, CHSV saturationValue)
{
    if (!view.IsUsable())
        return;
    const CRGBA red = HsvToRgb(CHSV::FromParts(0, saturationValue.Saturation(), saturationValue.Value()));
    const POINT3D p0 = ToFloatRgb(bottom);
    const float height = static_cast<float>(view.height);

    // Each row walks the same hues, so (w - p0)/height per column is the same
    // in every row: computed once, each row only scales it by its row number.
    POINT3D rise[kBandColumns];
    HueWalker walker(red.Red() / 255.0f, red.Green() / 255.0f, view.width);
    for (int x0 = 0; x0 < view.width; x0 += kBandColumns) {
        const int columns = std::min(kBandColumns, view.width - x0);
        for (int i = 0; i < columns; ++i) {
            rise[i] = (walker.Color() - p0) / height;
            walker.Step(x0 + i);
        }
        for (int m = 0; m < view.height; ++m) {
            const float row = static_cast<float>(m);
            std::uint8_t* pixel = view.MemoryRow(m) + 3 * x0;
            for (int i = 0; i < columns; ++i, pixel += 3)
                PutPixel(pixel, FloatRgbToColor(p0 + rise[i] * row));
        }
    }
}
