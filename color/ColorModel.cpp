#include "color/ColorModel.h"

#include <algorithm>
#include <cmath>

#include "color/HsvConversion.h"

namespace {

bool IsChannel(int channel) { return channel >= kChannelRed && channel <= kChannelAlpha; }

// Byte index of red, green, blue and alpha in a CRGBA.
int ByteOf(int channel) { return channel == kChannelAlpha ? 3 : channel; }

} // namespace

int ClampToChannel(int channel, int value) { return std::clamp(value, 0, ChannelRange(channel)); }

CRGBA WithChannel(CRGBA color, int channel, int value)
{
    const int shift = 8 * ByteOf(channel);
    return CRGBA((color.value & ~(0xFFu << shift)) | (static_cast<std::uint32_t>(value) & 0xFF) << shift);
}

CHSV WithChannel(CHSV hsv, int channel, int value)
{
    switch (channel) {
    case kChannelHue:
        return CHSV::FromParts(static_cast<std::uint16_t>(value), hsv.Saturation(), hsv.Value());
    case kChannelSaturation:
        return CHSV::FromParts(hsv.Hue(), static_cast<std::uint8_t>(value), hsv.Value());
    default:
        return CHSV::FromParts(hsv.Hue(), hsv.Saturation(), static_cast<std::uint8_t>(value));
    }
}

int ChannelRange(int channel)
{
    switch (channel) {
    case kChannelHue:
        return 360;
    case kChannelSaturation:
    case kChannelValue:
        return 100;
    default:
        return IsChannel(channel) ? 255 : 0;
    }
}

CColorModel::CColorModel() : currentColor(0xFFFFFFFF), currentHsv(RgbToHsv(currentColor)) {}

void CColorModel::Install(CRGBA color)
{
    currentColor = color;
    currentHsv = RgbToHsv(color);
}

ColorChange CColorModel::SetChannel(int channel, int value)
{
    if (!IsChannel(channel))
        return {};
    value = ClampToChannel(channel, value);
    if (value == ChannelValue(channel))
        return {};
    const CRGBA before = currentColor;
    if (channel == kChannelHue || channel == kChannelSaturation || channel == kChannelValue) {
        currentHsv = WithChannel(currentHsv, channel, value);
        TakeConvertedColor(before);
        return {true, true, before};
    }
    currentColor = WithChannel(currentColor, channel, value);
    currentHsv = RgbToHsv(currentColor);
    return {true, false, before};
}

ColorChange CColorModel::SetChannelFraction(int channel, float fraction)
{
    const float range = static_cast<float>(ChannelRange(channel));
    float value = range * fraction;
    // The setter clamps anyway; limiting here keeps the conversion to an
    // integer defined for any fraction, NaN included.
    value = std::isnan(value) ? 0.0f : std::clamp(value, -1.0f, range + 1.0f);
    return SetChannel(channel, static_cast<int>(value));
}

ColorChange CColorModel::SetColor(CRGBA color)
{
    if (color.ColorRef() == currentColor.ColorRef())
        return {};
    const CRGBA before = currentColor;
    currentColor = alphaEnabled ? CRGBA(color.ColorRef() | (before.value & 0xFF000000u)) : color;
    currentHsv = RgbToHsv(currentColor);
    return {true, true, before};
}

ColorChange CColorModel::SetHsv(CHSV hsv)
{
    if (hsv == currentHsv)
        return {};
    const CRGBA before = currentColor;
    currentHsv = hsv;
    TakeConvertedColor(before);
    return {true, true, before};
}

int ChannelValueOf(int channel, CRGBA color, CHSV hsv)
{
    switch (channel) {
    case kChannelHue:
        return hsv.Hue();
    case kChannelSaturation:
        return hsv.Saturation();
    case kChannelValue:
        return hsv.Value();
    default:
        return IsChannel(channel) ? color.Byte(ByteOf(channel)) : 0;
    }
}

float ChannelFractionOf(int channel, CRGBA color, CHSV hsv)
{
    const int range = ChannelRange(channel);
    return range ? static_cast<float>(ChannelValueOf(channel, color, hsv)) / static_cast<float>(range) : 0.0f;
}

void CColorModel::TakeConvertedColor(CRGBA before)
{
    currentColor = HsvToRgb(currentHsv);
    if (alphaEnabled)
        currentColor = CRGBA(currentColor.value | (before.value & 0xFF000000u));
}
