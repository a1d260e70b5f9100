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

// trunc(value x 255) of four floats, as if the product were exact, plus
// `fixed`, keeping the low eight bits. The product is 256 value - value,
// whose rounding error TwoSum finds exactly, all in single precision: a
// rounded sum can only differ from the exact one in its truncation when it
// is itself a whole number (whole numbers this small are all floats, so
// rounding never steps over one), and then the error's sign says on which
// side of it the exact product lies.
inline __m128i ComponentBytes(__m128 value, __m128i fixed)
{
    value = _mm_min_ps(_mm_max_ps(value, _mm_set1_ps(kLowestComponent)), _mm_set1_ps(kHighestComponent));
    const __m128 scaled = _mm_mul_ps(value, _mm_set1_ps(256.0f));
    const __m128 sum = _mm_sub_ps(scaled, value);
    const __m128 back = _mm_sub_ps(sum, scaled);
    const __m128 error =
        _mm_add_ps(_mm_sub_ps(scaled, _mm_sub_ps(sum, back)), _mm_sub_ps(_mm_sub_ps(_mm_setzero_ps(), value), back));
    const __m128i truncated = _mm_cvttps_epi32(sum);
    const __m128 whole = _mm_cmpeq_ps(_mm_cvtepi32_ps(truncated), sum);
    const __m128 zero = _mm_setzero_ps();
    // Just below a positive whole number: one less; just above a negative
    // one: one more (toward zero). Masks are -1 where true.
    const __m128 down = _mm_and_ps(whole, _mm_and_ps(_mm_cmplt_ps(error, zero), _mm_cmpgt_ps(sum, zero)));
    const __m128 up = _mm_and_ps(whole, _mm_and_ps(_mm_cmpgt_ps(error, zero), _mm_cmplt_ps(sum, zero)));
    const __m128i bytes = _mm_sub_epi32(_mm_add_epi32(truncated, _mm_castps_si128(down)), _mm_castps_si128(up));
    return _mm_and_si128(_mm_add_epi32(bytes, fixed), _mm_set1_epi32(0xFF));
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
