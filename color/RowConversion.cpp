#include "color/RowConversion.h"

#include <cstring>

#include "color/PixelVectors.h"

namespace {

std::uint32_t ConvertComponent(float c, float offset, float scale, std::uint8_t fixed)
{
    float value = offset + c * scale;
    value = value > kLowestComponent ? value : kLowestComponent; // NaN too
    value = value < kHighestComponent ? value : kHighestComponent;
    const auto byte = static_cast<std::int32_t>(static_cast<double>(value) * 255.0);
    return static_cast<std::uint8_t>(byte + fixed);
}

std::uint32_t PixelWord(const FloatRow& row, int i, const RowTransform& t, CRGBA fixed)
{
    return ConvertComponent(row.blue[i], t.offset.z, t.scale, fixed.Blue()) |
           ConvertComponent(row.green[i], t.offset.y, t.scale, fixed.Green()) << 8 |
           ConvertComponent(row.red[i], t.offset.x, t.scale, fixed.Red()) << 16;
}

// offset + components x scale for four components, both steps single.
__m128 Transformed(const float* components, float offset, __m128 scale)
{
    return _mm_add_ps(_mm_set1_ps(offset), _mm_mul_ps(_mm_loadu_ps(components), scale));
}

} // namespace

void StoreRow(const FloatRow& row, int count, std::uint8_t* pixels, const RowTransform& t, CRGBA fixed)
{
    if (count <= 0)
        return;
    // Each pixel is written as one 4-byte word whose last byte the next
    // pixel overwrites; the row's last pixel writes only its three bytes.
    const __m128 scale = _mm_set1_ps(t.scale);
    const __m128i fixedRed = _mm_set1_epi32(fixed.Red());
    const __m128i fixedGreen = _mm_set1_epi32(fixed.Green());
    const __m128i fixedBlue = _mm_set1_epi32(fixed.Blue());
    int i = 0;
    for (; i + 4 < count; i += 4) {
        __m128i words =
            PixelWords(Transformed(row.red + i, t.offset.x, scale), Transformed(row.green + i, t.offset.y, scale),
                       Transformed(row.blue + i, t.offset.z, scale), fixedRed, fixedGreen, fixedBlue);
        for (int k = 0; k < 4; ++k, words = _mm_srli_si128(words, 4)) {
            const std::uint32_t word = FirstWord(words);
            std::memcpy(pixels + 3 * (i + k), &word, 4);
        }
    }
    for (; i + 1 < count; ++i) {
        const std::uint32_t word = PixelWord(row, i, t, fixed);
        std::memcpy(pixels + 3 * i, &word, 4);
    }
    const std::uint32_t last = PixelWord(row, count - 1, t, fixed);
    std::memcpy(pixels + 3 * (count - 1), &last, 3);
}
