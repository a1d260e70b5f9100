// Four pixels at a time with SSE2, which every build of the module has
// (x86-64, and 32-bit x86 built with -msse2). Each step rounds exactly as
// its scalar counterpart, so vector and scalar code give the same bytes.
#pragma once

#include <cstdint>

#include <emmintrin.h>

// Values beyond -8..8 never come from byte colors; clamping there keeps a
// stray value (or NaN, which becomes -8) from an undefined conversion.
constexpr float kLowestComponent = -8.0f;
constexpr float kHighestComponent = 8.0f;

// trunc(value x 255) of four floats, the product exact in double; a value
// beyond the int range gives INT_MIN.
inline __m128i TruncatedTimes255(__m128 value)
{
    const __m128d byteScale = _mm_set1_pd(255.0);
    const __m128i low = _mm_cvttpd_epi32(_mm_mul_pd(_mm_cvtps_pd(value), byteScale));
    const __m128i high = _mm_cvttpd_epi32(_mm_mul_pd(_mm_cvtps_pd(_mm_movehl_ps(value, value)), byteScale));
    return _mm_unpacklo_epi64(low, high);
}

// trunc(value x 255) of four floats, the product exact in double, plus
// `fixed`, keeping the low eight bits.
inline __m128i ComponentBytes(__m128 value, __m128i fixed)
{
    value = _mm_min_ps(_mm_max_ps(value, _mm_set1_ps(kLowestComponent)), _mm_set1_ps(kHighestComponent));
    return _mm_and_si128(_mm_add_epi32(TruncatedTimes255(value), fixed), _mm_set1_epi32(0xFF));
}

// ComponentBytes without a fixed part and without the clamp, for values it
// would leave alone: sums of steps from one byte color to another, which
// stay within a small distance of 0..1. The clamp took a sixth of the
// saturation/value field's time.
inline __m128i UnclampedComponentBytes(__m128 value)
{
    return _mm_and_si128(TruncatedTimes255(value), _mm_set1_epi32(0xFF));
}

// Four pixel words: blue in byte 0, green in byte 1, red in byte 2.
inline __m128i PixelWords(__m128 red, __m128 green, __m128 blue, __m128i fixedRed = _mm_setzero_si128(),
                          __m128i fixedGreen = _mm_setzero_si128(), __m128i fixedBlue = _mm_setzero_si128())
{
    return _mm_or_si128(ComponentBytes(blue, fixedBlue),
                        _mm_or_si128(_mm_slli_epi32(ComponentBytes(green, fixedGreen), 8),
                                     _mm_slli_epi32(ComponentBytes(red, fixedRed), 16)));
}

inline std::uint32_t FirstWord(__m128i words) { return static_cast<std::uint32_t>(_mm_cvtsi128_si32(words)); }

// The four pixels of words as 12 bytes at pixels, with two bytes of the
// next pixel written too: the caller writes that pixel after these.
inline void StoreFourPixels(std::uint8_t* pixels, __m128i words)
{
    // Each 64-bit half becomes its two pixels' six bytes, side by side.
    const __m128i pairs =
        _mm_or_si128(_mm_and_si128(words, _mm_set_epi32(0, -1, 0, -1)), _mm_slli_epi64(_mm_srli_epi64(words, 32), 24));
    _mm_storel_epi64(reinterpret_cast<__m128i*>(pixels), pairs);
    _mm_storel_epi64(reinterpret_cast<__m128i*>(pixels + 6), _mm_unpackhi_epi64(pairs, pairs));
}
