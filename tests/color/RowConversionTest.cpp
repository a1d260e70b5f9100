#include "color/RowConversion.h"

#include <gtest/gtest.h>

#include <cmath>
#include <vector>

#include "color/ByteConversion.h"

namespace {

// Floats on both sides of every step of 1/255 from -8 to 8, a few units in
// the last place apart: where a rounded product would truncate wrongly.
std::vector<float> ValuesAroundEveryStep()
{
    std::vector<float> values;
    for (int step = -2040; step <= 2040; ++step) {
        float value = static_cast<float>(step / 255.0);
        for (int i = 0; i < 4; ++i)
            value = std::nextafter(value, -100.0f);
        for (int i = 0; i < 9; ++i, value = std::nextafter(value, 100.0f))
            values.push_back(value);
    }
    return values;
}

} // namespace

TEST(RowConversion, EveryComponentTruncatesItsExactProductAsOnePixelAtATimeDoes)
{
    const std::vector<float> values = ValuesAroundEveryStep();
    FloatRow row;
    std::vector<std::uint8_t> pixels(3 * kBandColumns + 1);
    for (std::size_t first = 0; first < values.size(); first += kBandColumns) {
        const int count = static_cast<int>(std::min<std::size_t>(kBandColumns, values.size() - first));
        for (int i = 0; i < count; ++i) {
            // Each channel its own value, so a mix-up of lanes shows too.
            const float value = values[first + static_cast<std::size_t>(i)];
            row.Set(i, {value, -value, value / 2});
        }
        StoreRow(row, FindRuns(row, count), pixels.data(), {}, CRGBA::FromBytes(0, 7, 250));
        for (int i = 0; i < count; ++i) {
            const double value = values[first + static_cast<std::size_t>(i)];
            const std::uint8_t* pixel = pixels.data() + 3 * i;
            ASSERT_EQ(pixel[2], TruncToWrappedByte(value * 255.0)) << value;
            ASSERT_EQ(pixel[1], static_cast<std::uint8_t>(TruncToWrappedByte(-value * 255.0) + 7)) << value;
            ASSERT_EQ(pixel[0],
                      static_cast<std::uint8_t>(TruncToWrappedByte(static_cast<float>(value / 2) * 255.0) + 250))
                << value;
        }
    }
}

namespace {

// A row of stretches that hold two channels or all three for various
// lengths around the shortest held run, one or several channels varying in
// between, each channel's values distinct from column to column where it
// varies.
struct Stretch {
    int length;
    bool varies[3];
};

constexpr Stretch kStretches[] = {
    {kShortestHeldRun - 1, {true, false, false}},
    {kShortestHeldRun, {false, true, false}},
    {kShortestHeldRun + 1, {false, false, true}},
    {kShortestHeldRun + 4, {false, false, false}},
    {5, {true, true, true}},
    {3 * kShortestHeldRun, {true, false, false}},
    {2, {false, true, true}},
    {kShortestHeldRun + 3, {false, true, false}},
};

int FillStretches(FloatRow& row)
{
    int i = 0;
    float held[3] = {0.25f, -0.5f, 0.75f};
    for (const Stretch& stretch : kStretches) {
        for (int c = 0; c < 3; ++c)
            held[c] += 0.0625f; // a new held value per stretch
        for (int k = 0; k < stretch.length; ++k, ++i) {
            float value[3];
            for (int c = 0; c < 3; ++c)
                value[c] = stretch.varies[c] ? static_cast<float>(i * (c + 1)) / 97.0f - 1.0f : held[c];
            row.Set(i, {value[0], value[1], value[2]});
        }
    }
    return i;
}

} // namespace

TEST(RowConversion, HeldChannelsConvertOncePerRunAndGiveTheSameBytesAsEveryPixelAlone)
{
    FloatRow row;
    const int count = FillStretches(row);
    const BandRuns runs = FindRuns(row, count);

    // The runs cover the row in order; held runs start where the stretches
    // of the shortest held length or more start.
    int next = 0;
    int held = 0;
    for (int r = 0; r < runs.count; ++r) {
        ASSERT_EQ(runs.runs[r].first, next);
        ASSERT_GT(runs.runs[r].count, 0);
        next += runs.runs[r].count;
        held += runs.runs[r].varying != kChannelsVary;
    }
    EXPECT_EQ(next, count);
    EXPECT_EQ(held, 5);

    const RowTransform transform{{0.5f, -0.25f, 0.125f}, 1.5f};
    const CRGBA fixed = CRGBA::FromBytes(3, 200, 77);
    std::vector<std::uint8_t> pixels(3 * count + 1, 0xEE);
    StoreRow(row, runs, pixels.data(), transform, fixed);
    const float offsets[3] = {transform.offset.x, transform.offset.y, transform.offset.z};
    for (int i = 0; i < count; ++i) {
        const float values[3] = {row.red[i], row.green[i], row.blue[i]};
        for (int c = 0; c < 3; ++c) {
            const float value = offsets[c] + values[c] * transform.scale;
            ASSERT_EQ(pixels[3 * i + 2 - c],
                      static_cast<std::uint8_t>(TruncToWrappedByte(static_cast<double>(value) * 255.0) + fixed.Byte(c)))
                << "column " << i << ", channel " << c;
        }
    }
    EXPECT_EQ(pixels.back(), 0xEE) << "written past the row";
}
