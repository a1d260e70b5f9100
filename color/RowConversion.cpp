#include "color/RowConversion.h"

#include <algorithm>
#include <bit>
#include <cstring>

#include "color/PixelVectors.h"

namespace {

const float* Components(const FloatRow& row, int channel)
{
    return channel == 0 ? row.red : channel == 1 ? row.green : row.blue;
}

float Offset(const RowTransform& t, int channel)
{
    return channel == 0 ? t.offset.x : channel == 1 ? t.offset.y : t.offset.z;
}

// Where a channel's byte sits in a pixel word: blue lowest, red highest.
int ByteShift(int channel) { return 8 * (2 - channel); }

std::uint32_t ConvertComponent(float c, float offset, float scale, std::uint8_t fixed)
{
    float value = offset + c * scale;
    value = value > kLowestComponent ? value : kLowestComponent; // NaN too
    value = value < kHighestComponent ? value : kHighestComponent;
    const auto byte = static_cast<std::int32_t>(static_cast<double>(value) * 255.0);
    return static_cast<std::uint8_t>(byte + fixed);
}

std::uint32_t ChannelByte(const FloatRow& row, int channel, int i, const RowTransform& t, CRGBA fixed)
{
    return ConvertComponent(Components(row, channel)[i], Offset(t, channel), t.scale, fixed.Byte(channel))
           << ByteShift(channel);
}

std::uint32_t PixelWord(const FloatRow& row, int i, const RowTransform& t, CRGBA fixed)
{
    return ChannelByte(row, 0, i, t, fixed) | ChannelByte(row, 1, i, t, fixed) | ChannelByte(row, 2, i, t, fixed);
}

// offset + components x scale for four components, both steps single.
__m128 Transformed(const float* components, float offset, __m128 scale)
{
    return _mm_add_ps(_mm_set1_ps(offset), _mm_mul_ps(_mm_loadu_ps(components), scale));
}

void StoreWord(std::uint8_t* pixels, int i, std::uint32_t word) { std::memcpy(pixels + 3 * i, &word, 4); }

// Columns first..end-1 with every channel converted per pixel. Each pixel
// writes a byte of the next one, which is written after it.
void StoreVaryingColumns(const FloatRow& row, int first, int end, std::uint8_t* pixels, const RowTransform& t,
                         CRGBA fixed)
{
    const __m128 scale = _mm_set1_ps(t.scale);
    const __m128i fixedRed = _mm_set1_epi32(fixed.Red());
    const __m128i fixedGreen = _mm_set1_epi32(fixed.Green());
    const __m128i fixedBlue = _mm_set1_epi32(fixed.Blue());
    int i = first;
    for (; i + 4 <= end; i += 4)
        StoreFourPixels(pixels + 3 * i,
                        PixelWords(Transformed(row.red + i, t.offset.x, scale),
                                   Transformed(row.green + i, t.offset.y, scale),
                                   Transformed(row.blue + i, t.offset.z, scale), fixedRed, fixedGreen, fixedBlue));
    for (; i < end; ++i)
        StoreWord(pixels, i, PixelWord(row, i, t, fixed));
}

// Columns first..end-1 of a run whose other channels hold the values they
// have at `first`: those bytes come from one conversion.
void StoreHeldColumns(const FloatRow& row, int first, int end, int varying, std::uint8_t* pixels, const RowTransform& t,
                      CRGBA fixed)
{
    std::uint32_t held = PixelWord(row, first, t, fixed);
    if (varying == kNoChannelVaries) {
        for (int i = first; i < end; ++i)
            StoreWord(pixels, i, held);
        return;
    }
    held &= ~(0xFFu << ByteShift(varying));
    const float* components = Components(row, varying);
    const float offset = Offset(t, varying);
    const __m128 scale = _mm_set1_ps(t.scale);
    const __m128i fixedByte = _mm_set1_epi32(fixed.Byte(varying));
    const __m128i shift = _mm_cvtsi32_si128(ByteShift(varying));
    const __m128i heldWords = _mm_set1_epi32(static_cast<int>(held));
    int i = first;
    for (; i + 4 <= end; i += 4) {
        const __m128i bytes = ComponentBytes(Transformed(components + i, offset, scale), fixedByte);
        StoreFourPixels(pixels + 3 * i, _mm_or_si128(heldWords, _mm_sll_epi32(bytes, shift)));
    }
    for (; i < end; ++i)
        StoreWord(pixels, i, held | ChannelByte(row, varying, i, t, fixed));
}

std::uint32_t Bits(float f) { return std::bit_cast<std::uint32_t>(f); }

// The channels (bit 0 red, 1 green, 2 blue) with the same bits at columns a and b.
unsigned SameChannels(const FloatRow& row, int a, int b)
{
    return static_cast<unsigned>(Bits(row.red[a]) == Bits(row.red[b])) |
           static_cast<unsigned>(Bits(row.green[a]) == Bits(row.green[b])) << 1 |
           static_cast<unsigned>(Bits(row.blue[a]) == Bits(row.blue[b])) << 2;
}

// How far from `first` at least two channels keep their values there, and
// which channels those are.
int HeldStretch(const FloatRow& row, int first, int columns, unsigned& held)
{
    held = 7;
    int end = first + 1;
    for (; end < columns; ++end) {
        const unsigned still = held & SameChannels(row, first, end);
        if (std::popcount(still) < 2)
            break;
        held = still;
    }
    return end - first;
}

int VaryingChannel(unsigned held)
{
    switch (held) {
    case 6:
        return 0;
    case 5:
        return 1;
    case 3:
        return 2;
    default:
        return kNoChannelVaries;
    }
}

} // namespace

BandRuns FindRuns(const FloatRow& row, int columns)
{
    BandRuns runs;
    runs.columns = std::clamp(columns, 0, kBandColumns);
    int varyingFirst = -1;
    const auto endVaryingRun = [&](int end) {
        if (varyingFirst >= 0)
            runs.runs[runs.count++] = {varyingFirst, end - varyingFirst, kChannelsVary};
        varyingFirst = -1;
    };
    for (int i = 0; i < runs.columns;) {
        unsigned held = 0;
        const int length = HeldStretch(row, i, runs.columns, held);
        if (length >= kShortestHeldRun) {
            endVaryingRun(i);
            runs.runs[runs.count++] = {i, length, VaryingChannel(held)};
            i += length;
        } else {
            if (varyingFirst < 0)
                varyingFirst = i;
            ++i;
        }
    }
    endVaryingRun(runs.columns);
    return runs;
}

void StoreRow(const FloatRow& row, const BandRuns& runs, std::uint8_t* pixels, const RowTransform& t, CRGBA fixed)
{
    if (runs.columns <= 0)
        return;
    // Every pixel but the row's last is written as a 4-byte word (or within
    // a 12-byte group) whose spare bytes the next pixel overwrites; the last
    // writes only its own three bytes.
    const int last = runs.columns - 1;
    for (int r = 0; r < runs.count; ++r) {
        const ColumnRun& run = runs.runs[r];
        const int end = std::min(run.first + run.count, last);
        if (run.varying == kChannelsVary)
            StoreVaryingColumns(row, run.first, end, pixels, t, fixed);
        else if (run.first < end)
            StoreHeldColumns(row, run.first, end, run.varying, pixels, t, fixed);
    }
    const std::uint32_t word = PixelWord(row, last, t, fixed);
    std::memcpy(pixels + 3 * last, &word, 3);
}
