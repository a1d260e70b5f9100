#include "color/ControlParams.h"

#include <gtest/gtest.h>

#include "color/HsvConversion.h"

namespace {

constexpr CRGBA kOrange{0x000080FF};
const CHSV kOrangeHsv = RgbToHsv(kOrange);

} // namespace

TEST(ControlParams, SlidersRunThroughTheirChannelAtTheCurrentColor)
{
    const CRGBA color(0x40302010);
    EXPECT_EQ(SliderEndsFor(kRedSlider, color, RgbToHsv(color)).start, 0x40302000u);
    EXPECT_EQ(SliderEndsFor(kRedSlider, color, RgbToHsv(color)).end, 0x403020FFu);
    EXPECT_EQ(SliderEndsFor(kBlueSlider, color, RgbToHsv(color)).end, 0x40FF2010u);
    const CHSV hsv = CHSV::FromParts(200, 40, 70);
    EXPECT_EQ(SliderEndsFor(kHueSlider, color, hsv).start, CHSV::FromParts(0, 40, 70).value);
    EXPECT_EQ(SliderEndsFor(kSaturationSlider, color, hsv).start, HsvToRgb(CHSV::FromParts(200, 0, 70)).value);
    EXPECT_EQ(SliderEndsFor(kValueSlider, color, hsv).end, HsvToRgb(CHSV::FromParts(200, 40, 100)).value);
    EXPECT_EQ(SliderEndsFor(kAlphaSlider, color, hsv).start, 0u);
    EXPECT_EQ(SliderEndsFor(kAlphaSlider, color, hsv).end, color.value);
}

// Every mode with a color whose channels all differ, so that an axis or a
// marker taken from the wrong channel shows.
TEST(ControlParams, EachFieldModeChoosesItsKindAxesAndMarkers)
{
    const CRGBA color = CRGBA::FromBytes(64, 128, 192);
    const CHSV hsv = CHSV::FromParts(210, 40, 70);
    struct Case {
        int mode;
        int kind, channelX, channelY;
        GradientParams params;
        float fieldX, fieldY, stripY;
    };
    const Case cases[] = {
        {kChannelRed,
         kRgbField,
         kChannelBlue,
         kChannelGreen,
         {0, 0x00FF0000, 0x0000FF00, 0, 64},
         192 / 255.0f,
         128 / 255.0f,
         64 / 255.0f},
        {kChannelGreen,
         kRgbField,
         kChannelBlue,
         kChannelRed,
         {0, 0x00FF0000, 0x000000FF, 0, 128 << 8},
         192 / 255.0f,
         64 / 255.0f,
         128 / 255.0f},
        {kChannelBlue,
         kRgbField,
         kChannelGreen,
         kChannelRed,
         {0, 0x0000FF00, 0x000000FF, 0, 192 << 16},
         128 / 255.0f,
         64 / 255.0f,
         192 / 255.0f},
        {kChannelHue,
         kHsvField,
         kChannelSaturation,
         kChannelValue,
         {0, HsvToRgb(CHSV::FromParts(210, 100, 100)).value, 0, 0, 0},
         0.40f,
         0.70f,
         210 / 360.0f},
        {kChannelSaturation,
         kHsvField,
         kChannelHue,
         kChannelValue,
         {HsvToRgb(CHSV::FromParts(210, 40, 0)).value, CHSV::FromParts(0, 40, 100).value, 0, 0, 0},
         210 / 360.0f,
         0.70f,
         0.40f},
        {kChannelValue,
         kHsvField,
         kChannelHue,
         kChannelSaturation,
         {HsvToRgb(CHSV::FromParts(210, 0, 70)).value, CHSV::FromParts(0, 100, 70).value, 0, 0, 0},
         210 / 360.0f,
         0.40f,
         0.70f},
    };
    for (const Case& c : cases) {
        const FieldSetup setup = FieldSetupFor(c.mode, color, hsv);
        EXPECT_TRUE(setup.hasChannel) << c.mode;
        EXPECT_EQ(setup.kind, c.kind) << c.mode;
        EXPECT_EQ(setup.channelX, c.channelX) << c.mode;
        EXPECT_EQ(setup.channelY, c.channelY) << c.mode;
        EXPECT_EQ(setup.params, c.params) << c.mode;
        EXPECT_FLOAT_EQ(setup.fieldX, c.fieldX) << c.mode;
        EXPECT_FLOAT_EQ(setup.fieldY, c.fieldY) << c.mode;
        EXPECT_FLOAT_EQ(setup.stripY, c.stripY) << c.mode;
    }
}

TEST(ControlParams, AModeWithoutAChannelShowsAFixedFieldAndKeepsTheAxes)
{
    for (const int mode : {-1, 6}) {
        const FieldSetup none = FieldSetupFor(mode, kOrange, kOrangeHsv);
        EXPECT_FALSE(none.hasChannel);
        EXPECT_EQ(none.kind, kHsvField);
        EXPECT_EQ(none.params, (GradientParams{0x000000FF, 0x0000FF00, 0x00FFFFFF, 0, 0}));
        EXPECT_EQ(StripTopColorFor(mode), 0x00FFFFFFu);
    }
    EXPECT_EQ(StripTopColorFor(kChannelGreen), 0x0000FF00u);
}
