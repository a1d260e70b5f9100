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

TEST(ControlParams, EachFieldModeChoosesItsKindAxesAndMarkers)
{
    const FieldSetup red = FieldSetupFor(kChannelRed, kOrange, kOrangeHsv);
    EXPECT_EQ(red.kind, kRgbField);
    EXPECT_EQ(red.channelX, kChannelBlue);
    EXPECT_EQ(red.channelY, kChannelGreen);
    EXPECT_EQ(red.params, (GradientParams{0, 0x00FF0000, 0x0000FF00, 0, 0xFF}));
    EXPECT_FLOAT_EQ(red.fieldY, 128.0f / 255.0f);
    EXPECT_FLOAT_EQ(red.stripY, 1.0f);

    const FieldSetup blue = FieldSetupFor(kChannelBlue, CRGBA(0x00AB0000), RgbToHsv(CRGBA(0x00AB0000)));
    EXPECT_EQ(blue.params[4], 0x00AB0000u);

    const FieldSetup hue = FieldSetupFor(kChannelHue, kOrange, kOrangeHsv);
    EXPECT_EQ(hue.kind, kHsvField);
    EXPECT_EQ(hue.channelX, kChannelSaturation);
    EXPECT_EQ(hue.channelY, kChannelValue);
    EXPECT_EQ(hue.params[1], HsvToRgb(CHSV::FromParts(30, 100, 100)).value);
    EXPECT_FLOAT_EQ(hue.stripY, 30.0f / 360.0f);

    const FieldSetup value = FieldSetupFor(kChannelValue, kOrange, kOrangeHsv);
    EXPECT_EQ(value.channelX, kChannelHue);
    EXPECT_EQ(value.channelY, kChannelSaturation);
    EXPECT_EQ(value.params[1], CHSV::FromParts(0, 100, 100).value);
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
