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
        StoreRow(row, count, pixels.data(), {}, CRGBA::FromBytes(0, 7, 250));
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
