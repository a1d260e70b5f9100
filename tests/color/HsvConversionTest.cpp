#include "color/HsvConversion.h"

#include <gtest/gtest.h>

namespace {

struct HsvCase {
    std::uint8_t r, g, b;
    int hue, saturation, value;
};

} // namespace

TEST(RgbToHsv, ConvertsTheListedColors)
{
    const HsvCase cases[] = {
        {255, 128, 0, 30, 100, 100},
        {128, 128, 128, 0, 0, 50},
        {255, 0, 1, 359, 100, 100},
        {10, 20, 30, 210, 67, 12},
        {1, 0, 0, 0, 100, 0},
        {255, 255, 0, 60, 100, 100},
        {0, 255, 255, 180, 100, 100},
        {255, 0, 255, 300, 100, 100},
        {255, 255, 255, 0, 0, 100},
        {0, 0, 0, 0, 0, 0},
        {0, 0, 255, 240, 100, 100},
        {0, 255, 0, 120, 100, 100},
        // Ties between two channels at the maximum take the later rule.
        {200, 200, 100, 60, 50, 78},
        {100, 200, 200, 180, 50, 78},
        {200, 100, 200, 300, 50, 78},
        // Just below a whole degree: the hue is truncated, not rounded.
        {255, 1, 0, 0, 100, 100},
        {0, 1, 255, 239, 100, 100},
    };
    for (const HsvCase& c : cases) {
        const CHSV hsv = RgbToHsv(CRGBA::FromBytes(c.r, c.g, c.b));
        EXPECT_EQ(hsv.Hue(), c.hue) << int(c.r) << "," << int(c.g) << "," << int(c.b);
        EXPECT_EQ(hsv.Saturation(), c.saturation) << int(c.r) << "," << int(c.g) << "," << int(c.b);
        EXPECT_EQ(hsv.Value(), c.value) << int(c.r) << "," << int(c.g) << "," << int(c.b);
    }
}

TEST(RgbToHsv, IgnoresAlpha) { EXPECT_EQ(RgbToHsv(CRGBA(0xFF0080FF)), RgbToHsv(CRGBA(0x000080FF))); }

TEST(RgbToHsv, EveryColorHasAHueBelow360AndPercentagesUpTo100)
{
    int grays = 0;
    for (std::uint32_t word = 0; word < (1u << 24); ++word) {
        const CHSV hsv = RgbToHsv(CRGBA(word));
        if (hsv.Hue() > 359 || hsv.Saturation() > 100 || hsv.Value() > 100) {
            ADD_FAILURE() << std::hex << word << " gives " << hsv.value;
            return;
        }
        grays += hsv.Saturation() == 0;
    }
    // Saturation rounds to 0 for the 256 grays and a few near-grays only.
    EXPECT_GE(grays, 256);
    EXPECT_LT(grays, 2000);
}

TEST(HsvToRgb, ConvertsTheListedValues)
{
    struct Case {
        int hue, saturation, value;
        std::uint8_t r, g, b;
    };
    const Case cases[] = {
        {0, 100, 100, 255, 0, 0},     {360, 100, 100, 255, 0, 0},  {720, 100, 100, 255, 0, 0},
        {361, 100, 100, 255, 4, 0},   {30, 100, 100, 255, 128, 0}, {0, 50, 100, 255, 128, 128},
        {120, 100, 50, 0, 128, 0},    {200, 0, 37, 94, 94, 94},    {60, 100, 100, 255, 255, 0},
        {180, 100, 100, 0, 255, 255}, {240, 100, 100, 0, 0, 255},  {300, 100, 100, 255, 0, 255},
        {359, 100, 100, 255, 0, 4},   {0, 0, 0, 0, 0, 0},          {65535, 100, 100, 255, 64, 0},
    };
    for (const Case& c : cases) {
        const CRGBA rgb =
            HsvToRgb(CHSV::FromParts(static_cast<std::uint16_t>(c.hue), static_cast<std::uint8_t>(c.saturation),
                                     static_cast<std::uint8_t>(c.value)));
        EXPECT_EQ(rgb, CRGBA::FromBytes(c.r, c.g, c.b)) << c.hue << "," << c.saturation << "," << c.value;
    }
}

TEST(HsvToRgb, SaturationAndValueAbove100WrapTheBytes)
{
    // Value 200: gray 2.0 * 255 + 0.5 = 510.5, whose low byte is 254.
    EXPECT_EQ(HsvToRgb(CHSV::FromParts(0, 0, 200)), CRGBA::FromBytes(254, 254, 254));
    // Saturation 150 at hue 0: green = 1 - 1.5 = -0.5 -> trunc(-127) -> 129.
    EXPECT_EQ(HsvToRgb(CHSV::FromParts(0, 150, 100)), CRGBA::FromBytes(255, 129, 129));
}

TEST(HsvToRgb, AlphaIsAlwaysZero)
{
    for (std::uint32_t word = 0; word < (1u << 24); word += 9973) {
        const CHSV hsv(word | 0x32000000);
        EXPECT_EQ(HsvToRgb(hsv).Alpha(), 0);
    }
}

TEST(HsvToRgb, EveryHueInRangeGivesAFullySaturatedColor)
{
    for (int hue = 0; hue <= 360; ++hue) {
        const CRGBA rgb = HsvToRgb(CHSV::FromParts(static_cast<std::uint16_t>(hue), 100, 100));
        const int top = std::max({rgb.Red(), rgb.Green(), rgb.Blue()});
        const int bottom = std::min({rgb.Red(), rgb.Green(), rgb.Blue()});
        EXPECT_EQ(top, 255) << hue;
        EXPECT_EQ(bottom, 0) << hue;
        // The round trip comes back within a degree.
        EXPECT_LE(std::abs(RgbToHsv(rgb).Hue() % 360 - hue % 360), 1) << hue;
    }
}

TEST(ColorValues, ConvertThroughTheirConstructorsAndAssignment)
{
    const CRGBA orange = CRGBA::FromBytes(255, 128, 0, 0x80);
    const CHSV hsv(orange);
    EXPECT_EQ(hsv, CHSV::FromParts(30, 100, 100));
    CRGBA back(0x12345678);
    back = hsv;
    EXPECT_EQ(back, CRGBA::FromBytes(255, 128, 0));
    EXPECT_EQ(orange.ColorRef(), 0x000080FFu);
}
