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
        const BandRuns runs = FindRuns(across, columns);
        RowTransform plusBase{top, 1.0f};
        for (int y = 0; y < view.height; ++y) {
            StoreRow(across, runs, view.RowFromTop(y) + 3 * x0, plusBase, fixed);
            plusBase.offset = plusBase.offset + dy;
        }
    }
}

namespace {

// Lane j of words to rows[j] at offset, `Bytes` bytes of it (a constant, so
// each copy is a single move).
template <std::size_t Bytes> void StoreLanes(std::uint8_t* const* rows, int offset, __m128i words)
{
    for (int j = 0; j < 4; ++j, words = _mm_srli_si128(words, 4)) {
        const std::uint32_t word = FirstWord(words);
        std::memcpy(rows[j] + offset, &word, Bytes);
    }
}

// One channel of four rows, a row in each lane: its values at the
// left edge, what each column adds, and where its byte sits in a pixel.
struct LaneChannel {
    __m128 start;
    __m128 step;
    int shift;
};

// The four rows' pixels from `held` (the bytes of channels that add
// nothing along the rows) and the Count channels that change column by
// column. Count is a constant, so the channels' loop unrolls and their
// values stay in registers.
template <int Count> void StoreLaneRows(std::uint8_t* const* rows, int width, __m128i held, const LaneChannel* varying)
{
    __m128 value[Count > 0 ? Count : 1];
    __m128 step[Count > 0 ? Count : 1];
    __m128i shift[Count > 0 ? Count : 1];
    for (int c = 0; c < Count; ++c) {
        value[c] = varying[c].start;
        step[c] = varying[c].step;
        shift[c] = _mm_cvtsi32_si128(varying[c].shift);
    }
    for (int x = 0; x < width; ++x) {
        __m128i words = held;
#pragma GCC unroll 3
        for (int c = 0; c < Count; ++c) {
            words = _mm_or_si128(words, _mm_sll_epi32(UnclampedComponentBytes(value[c]), shift[c]));
            value[c] = _mm_add_ps(value[c], step[c]);
        }
        // The row's last pixel writes only its own three bytes.
        if (x + 1 < width)
            StoreLanes<4>(rows, 3 * x, words);
        else
            StoreLanes<3>(rows, 3 * x, words);
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
    // Lanes past the view's last row repeat that row, writing it again.
    for (int y0 = 0; y0 < view.height; y0 += 4) {
        const int rows = std::min(4, view.height - y0);
        float start[3][4];
        float step[3][4];
        std::uint8_t* pixels[4];
        for (int j = 0; j < 4; ++j) {
            if (j < rows) {
                const POINT3D d = (right - left) / width;
                start[0][j] = left.x;
                start[1][j] = left.y;
                start[2][j] = left.z;
                step[0][j] = d.x;
                step[1][j] = d.y;
                step[2][j] = d.z;
                left = left + leftStep;
                right = right + rightStep;
            } else {
                for (int c = 0; c < 3; ++c) {
                    start[c][j] = start[c][rows - 1];
                    step[c][j] = step[c][rows - 1];
                }
            }
            pixels[j] = view.RowFromTop(y0 + std::min(j, rows - 1));
        }
        // A channel that adds zero in every lane (the pure hue's full one
        // does) keeps its left edge's value: one conversion per row.
        __m128i held = _mm_setzero_si128();
        LaneChannel varying[3];
        int count = 0;
        for (int c = 0; c < 3; ++c) {
            const LaneChannel channel{_mm_loadu_ps(start[c]), _mm_loadu_ps(step[c]), 8 * (2 - c)};
            if (_mm_movemask_ps(_mm_cmpeq_ps(channel.step, _mm_setzero_ps())) == 0xF)
                held = _mm_or_si128(held,
                                    _mm_slli_epi32(ComponentBytes(channel.start, _mm_setzero_si128()), channel.shift));
            else
                varying[count++] = channel;
        }
        switch (count) {
        case 0:
            StoreLaneRows<0>(pixels, view.width, held, varying);
            break;
        case 1:
            StoreLaneRows<1>(pixels, view.width, held, varying);
            break;
        case 2:
            StoreLaneRows<2>(pixels, view.width, held, varying);
            break;
        default:
            StoreLaneRows<3>(pixels, view.width, held, varying);
            break;
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
        const BandRuns runs = FindRuns(rise, columns);
        for (int m = 0; m < view.height; ++m)
            StoreRow(rise, runs, view.MemoryRow(m) + 3 * x0, RowTransform{p0, static_cast<float>(m)});
    }
}
