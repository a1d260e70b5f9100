#include "color/FloatColor.h"
#include "color/SwatchColorSpaces.h"

#include <gtest/gtest.h>

#include <cmath>
#include <limits>

TEST(FloatRgbToColor, TruncatesWithoutRoundingOrClamping)
{
    EXPECT_EQ(FloatRgbToColor(1.0f, 0.5f, 0.0f), CRGBA::FromBytes(255, 127, 0));
    EXPECT_EQ(FloatRgbToColor(0.999f, 0.0039f, 0.00393f), CRGBA::FromBytes(254, 0, 1));
    // Out of range: 1.01 * 255 = 257.55 keeps the low byte 1; -0.5 gives -127.
    EXPECT_EQ(FloatRgbToColor(1.01f, -0.5f, 2.0f), CRGBA::FromBytes(1, 129, 254));
    // The largest float below 1 times 255 is just under 255, so 254.
    EXPECT_EQ(FloatRgbToColor(std::nextafter(1.0f, 0.0f), 0, 0).Red(), 254);
}

TEST(FloatRgbToColor, NonNumbersBecomeZero)
{
    const float nan = std::numeric_limits<float>::quiet_NaN();
    const float inf = std::numeric_limits<float>::infinity();
    EXPECT_EQ(FloatRgbToColor(nan, inf, -inf), CRGBA(0));
    EXPECT_EQ(FloatRgbToColor(1e30f, 0, 0), CRGBA(0));
}

TEST(FloatRgbToColor, BytesSurviveTheRoundTripThroughFloats)
{
    for (int byte = 0; byte < 256; ++byte) {
        const CRGBA color = CRGBA::FromBytes(static_cast<std::uint8_t>(byte), 0, static_cast<std::uint8_t>(255 - byte));
        EXPECT_EQ(FloatRgbToColor(ToFloatRgb(color)), color);
    }
}

TEST(CmykToRgb, AddsBlackClampsAndInverts)
{
    const POINT3D rgb = CmykToRgb(0.5f, 0.25f, 0.0f, 0.75f);
    EXPECT_EQ(rgb.x, 0.0f);
    EXPECT_EQ(rgb.y, 0.0f);
    EXPECT_EQ(rgb.z, 0.25f);
    EXPECT_EQ(FloatRgbToColor(CmykToRgb(0, 0, 0, 0)), CRGBA::FromBytes(255, 255, 255));
    EXPECT_EQ(FloatRgbToColor(CmykToRgb(0, 1, 1, 0)), CRGBA::FromBytes(255, 0, 0));
    EXPECT_EQ(FloatRgbToColor(CmykToRgb(-1, -1, -1, 0)), CRGBA::FromBytes(255, 255, 255));
}

TEST(FloatHsvToRgb, ConvertsEachSector)
{
    struct Case {
        float h, s, v;
        std::uint8_t r, g, b;
    };
    const Case cases[] = {
        {0.0f, 1.0f, 1.0f, 255, 0, 0},     {1.0f / 6, 1.0f, 1.0f, 255, 255, 0}, {0.5f, 1.0f, 1.0f, 0, 255, 255},
        {2.0f / 3, 1.0f, 1.0f, 0, 0, 255}, {0.75f, 1.0f, 1.0f, 127, 0, 255},    {0.0f, 0.0f, 0.5f, 127, 127, 127},
        {1.25f, 1.0f, 1.0f, 127, 255, 0},  {-0.25f, 1.0f, 1.0f, 127, 0, 255},   {0.1f, 0.5f, 1.0f, 255, 204, 127},
        {0.9f, 1.0f, 1.0f, 255, 0, 153},
    };
    for (const Case& c : cases)
        EXPECT_EQ(FloatHsvToRgb(c.h, c.s, c.v), CRGBA::FromBytes(c.r, c.g, c.b)) << c.h << "," << c.s << "," << c.v;
}

TEST(FloatHsvToRgb, AHueJustBelowAWholeTurnAndNonNumbersStayRed)
{
    EXPECT_EQ(FloatHsvToRgb(std::nextafter(1.0f, 0.0f), 1.0f, 1.0f), CRGBA::FromBytes(255, 0, 0));
    const float inf = std::numeric_limits<float>::infinity();
    EXPECT_EQ(FloatHsvToRgb(inf, 1.0f, 1.0f), CRGBA::FromBytes(255, 0, 0));
    EXPECT_EQ(FloatHsvToRgb(std::nanf(""), 1.0f, 1.0f), CRGBA::FromBytes(255, 0, 0));
}

// Solarized's colors, defined in L*a*b* and published in sRGB.
TEST(CieLabD50ToRgb, GivesThePublishedSrgbOfLabColors)
{
    EXPECT_EQ(CieLabD50ToRgb(15, -12, -12), CRGBA::FromBytes(0x00, 0x2B, 0x36));
    EXPECT_EQ(CieLabD50ToRgb(97, 0, 10), CRGBA::FromBytes(0xFD, 0xF6, 0xE3));
    EXPECT_EQ(CieLabD50ToRgb(60, 10, 65), CRGBA::FromBytes(0xB5, 0x89, 0x00));
    EXPECT_EQ(CieLabD50ToRgb(50, 65, -5), CRGBA::FromBytes(0xD3, 0x36, 0x82));
    EXPECT_EQ(CieLabD50ToRgb(55, -10, -45), CRGBA::FromBytes(0x26, 0x8B, 0xD2));
    // The white point is white, black black; L below 8 is on the straight
    // part of the curve.
    EXPECT_EQ(CieLabD50ToRgb(100, 0, 0), CRGBA::FromBytes(255, 255, 255));
    EXPECT_EQ(CieLabD50ToRgb(0, 0, 0), CRGBA::FromBytes(0, 0, 0));
    EXPECT_EQ(CieLabD50ToRgb(5, 0, 0), CRGBA::FromBytes(0x11, 0x11, 0x11));
    EXPECT_EQ(CieLabD50ToRgb(50, -128, 127), CRGBA::FromBytes(0x00, 0x9A, 0x00)) << "outside sRGB: clamped";
}

TEST(LabToRgb, ConvertsWithoutGammaAndClampsAfterTruncating)
{
    EXPECT_EQ(LabToRgb(100, 0, 0), CRGBA::FromBytes(255, 255, 255));
    EXPECT_EQ(LabToRgb(0, 0, 0), CRGBA::FromBytes(0, 0, 0));
    EXPECT_EQ(LabToRgb(50, 0, 0), CRGBA::FromBytes(47, 47, 47));
    EXPECT_EQ(LabToRgb(50, -128, 127), CRGBA::FromBytes(0, 81, 0));
    EXPECT_EQ(LabToRgb(200, 0, 0), CRGBA::FromBytes(255, 255, 255));
    EXPECT_EQ(LabToRgb(-100, 0, 0), CRGBA::FromBytes(0, 0, 0));
    EXPECT_EQ(LabToRgb(INT32_MAX, INT32_MIN, INT32_MAX).Alpha(), 0);
}
