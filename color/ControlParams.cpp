#include "color/ControlParams.h"

#include "color/ColorModel.h"
#include "color/HsvConversion.h"

namespace {

std::uint32_t Hsv(int hue, int saturation, int value)
{
    return HsvToRgb(CHSV::FromParts(static_cast<std::uint16_t>(hue), static_cast<std::uint8_t>(saturation),
                                    static_cast<std::uint8_t>(value)))
        .value;
}

} // namespace

SliderEnds SliderEndsFor(int slider, CRGBA color, CHSV hsv)
{
    switch (slider) {
    case kRedSlider:
    case kGreenSlider:
    case kBlueSlider:
        return {WithChannel(color, slider, 0).value, WithChannel(color, slider, 255).value};
    case kHueSlider:
        return {CHSV::FromParts(0, hsv.Saturation(), hsv.Value()).value, 0};
    case kSaturationSlider:
        return {Hsv(hsv.Hue(), 0, hsv.Value()), Hsv(hsv.Hue(), 100, hsv.Value())};
    case kValueSlider:
        return {Hsv(hsv.Hue(), hsv.Saturation(), 0), Hsv(hsv.Hue(), hsv.Saturation(), 100)};
    case kAlphaSlider:
        return {0, color.value};
    default:
        return {0, 0};
    }
}

FieldSetup FieldSetupFor(int mode, CRGBA color, CHSV hsv)
{
    FieldSetup setup;
    const int hue = hsv.Hue();
    switch (mode) {
    case kChannelRed:
        setup = {true, kRgbField, kChannelBlue, kChannelGreen, {0, 0x00FF0000, 0x0000FF00, 0, color.Red()}};
        break;
    case kChannelGreen:
        setup = {true,
                 kRgbField,
                 kChannelBlue,
                 kChannelRed,
                 {0, 0x00FF0000, 0x000000FF, 0, std::uint32_t{color.Green()} << 8}};
        break;
    case kChannelBlue:
        setup = {true,
                 kRgbField,
                 kChannelGreen,
                 kChannelRed,
                 {0, 0x0000FF00, 0x000000FF, 0, std::uint32_t{color.Blue()} << 16}};
        break;
    case kChannelHue:
        setup = {true, kHsvField, kChannelSaturation, kChannelValue, {0, Hsv(hue, 100, 100), 0, 0, 0}};
        break;
    case kChannelSaturation:
        setup = {true,
                 kHsvField,
                 kChannelHue,
                 kChannelValue,
                 {Hsv(hue, hsv.Saturation(), 0), CHSV::FromParts(0, hsv.Saturation(), 100).value, 0, 0, 0}};
        break;
    case kChannelValue:
        setup = {true,
                 kHsvField,
                 kChannelHue,
                 kChannelSaturation,
                 {Hsv(hue, 0, hsv.Value()), CHSV::FromParts(0, 100, hsv.Value()).value, 0, 0, 0}};
        break;
    default:
        setup.params = {0x000000FF, 0x0000FF00, 0x00FFFFFF, 0, 0};
        return setup;
    }
    setup.fieldX = ChannelFractionOf(setup.channelX, color, hsv);
    setup.fieldY = ChannelFractionOf(setup.channelY, color, hsv);
    setup.stripY = ChannelFractionOf(mode, color, hsv);
    return setup;
}

std::uint32_t StripTopColorFor(int mode)
{
    switch (mode) {
    case kChannelRed:
        return 0x000000FF;
    case kChannelGreen:
        return 0x0000FF00;
    case kChannelBlue:
        return 0x00FF0000;
    default:
        return 0x00FFFFFF;
    }
}
