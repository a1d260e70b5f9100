#include <algorithm>
#include <cstring>

#include "color/FloatColor.h"
#include "color/FloatTriple.h"
#include "color/GradientRenderers.h"
#include "color/HsvConversion.h"
#include "color/HueWalker.h"
#include "color/PixelVectors.h"
#include "color/RowConversion.h"

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
    FloatRow across;
    POINT3D acc{0, 0, 0};
    for (int x0 = 0; x0 < view.width; x0 += kBandColumns) {
        const int columns = std::min(kBandColumns, view.width - x0);
        for (int i = 0; i < columns; ++i) {
            across.Set(i, acc);
            acc = acc + dx;
        }
        RowTransform plusBase{top, 1.0f};
        for (int y = 0; y < view.height; ++y) {
            StoreRow(across, columns, view.RowFromTop(y) + 3 * x0, plusBase, fixed);
            plusBase.offset = plusBase.offset + dy;
        }
    }
}

namespace {

// Lane j of words to rows[j] at offset, `Bytes` bytes of it (a constant, so
// each copy is a single move).
template <std::size_t Bytes> void StoreLanes(std::uint8_t* const* rows, int count, int offset, __m128i words)
{
    for (int j = 0; j < count; ++j, words = _mm_srli_si128(words, 4)) {
        const std::uint32_t word = FirstWord(words);
        std::memcpy(rows[j] + offset, &word, Bytes);
    }
}

} // namespace

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
    // Four rows at once, one in each lane: every row accumulates its own
    // sums column by column exactly as alone, and the four chains of
    // additions overlap instead of waiting on each other.
    for (int y0 = 0; y0 < view.height; y0 += 4) {
        const int rows = std::min(4, view.height - y0);
        float start[3][4];
        float step[3][4];
        std::uint8_t* pixels[4];
        for (int j = 0; j < 4; ++j) {
            const POINT3D d = (right - left) / width;
            start[0][j] = left.x;
            start[1][j] = left.y;
            start[2][j] = left.z;
            step[0][j] = d.x;
            step[1][j] = d.y;
            step[2][j] = d.z;
            pixels[j] = view.RowFromTop(y0 + std::min(j, rows - 1));
            left = left + leftStep;
            right = right + rightStep;
        }
        __m128 red = _mm_loadu_ps(start[0]);
        __m128 green = _mm_loadu_ps(start[1]);
        __m128 blue = _mm_loadu_ps(start[2]);
        const __m128 dRed = _mm_loadu_ps(step[0]);
        const __m128 dGreen = _mm_loadu_ps(step[1]);
        const __m128 dBlue = _mm_loadu_ps(step[2]);
        for (int x = 0; x < view.width; ++x) {
            const __m128i words = PixelWords(red, green, blue);
            // The row's last pixel writes only its own three bytes.
            if (x + 1 < view.width)
                StoreLanes<4>(pixels, rows, 3 * x, words);
            else
                StoreLanes<3>(pixels, rows, 3 * x, words);
            red = _mm_add_ps(red, dRed);
            green = _mm_add_ps(green, dGreen);
            blue = _mm_add_ps(blue, dBlue);
        }
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
    FloatRow rise;
    HueWalker walker(red.Red() / 255.0f, red.Green() / 255.0f, view.width);
    for (int x0 = 0; x0 < view.width; x0 += kBandColumns) {
        const int columns = std::min(kBandColumns, view.width - x0);
        for (int i = 0; i < columns; ++i) {
            rise.Set(i, (walker.Color() - p0) / height);
            walker.Step(x0 + i);
        }
        for (int m = 0; m < view.height; ++m)
            StoreRow(rise, columns, view.MemoryRow(m) + 3 * x0, RowTransform{p0, static_cast<float>(m)});
    }
}
