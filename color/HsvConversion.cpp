#include "color/HsvConversion.h"

#include <algorithm>

#include "color/ByteConversion.h"

CHSV RgbToHsv(CRGBA color)
{
    const float r = color.Red() / 255.0f;
    const float g = color.Green() / 255.0f;
    const float b = color.Blue() / 255.0f;
    const float max = std::max({r, g, b});
    const float min = std::min({r, g, b});
    const float delta = max - min;
    const float s = max > 0 ? delta / max : 0.0f;

    float h = 0;
    if (delta > 0) {
        // The quotients stay in double until the product with 60 is rounded.
        double sector = 0;
        if (r == max && g != max)
            sector = (static_cast<double>(g) - b) / delta;
        else if (g == max && b != max)
            sector = 2 + (static_cast<double>(b) - r) / delta;
        else if (b == max && r != max)
            sector = 4 + (static_cast<double>(r) - g) / delta;
        h = static_cast<float>(sector * 60);
        if (h < 0)
            h = h + 360.0f;
    }
    const auto hue = static_cast<std::uint16_t>(static_cast<int>(h));
    const auto saturation = static_cast<std::uint8_t>(static_cast<int>(s * 100.0 + 0.5));
    const auto value = static_cast<std::uint8_t>(static_cast<int>(max * 100.0 + 0.5));
    return CHSV::FromParts(hue, saturation, value);
}

CRGBA HsvToRgb(CHSV hsv)
{
    int h = hsv.Hue();
    while (h > 360)
        h -= 360;
    const float s = hsv.Saturation() / 100.0f;
    const float v = hsv.Value() / 100.0f;

    float weights[3] = {0, 0, 0};
    if (h < 120) {
        weights[0] = (120 - h) / 60.0f;
        weights[1] = h / 60.0f;
    } else if (h < 240) {
        weights[1] = (240 - h) / 60.0f;
        weights[2] = (h - 120) / 60.0f;
    } else {
        weights[0] = (h - 240) / 60.0f;
        weights[2] = (360 - h) / 60.0f;
    }
    std::uint8_t bytes[3];
    for (int i = 0; i < 3; ++i) {
        const float weight = std::min(weights[i], 1.0f);
        const auto channel = static_cast<float>(v * (static_cast<double>(weight) * s + (1.0 - s)));
        bytes[i] = TruncToWrappedByte(channel * 255.0 + 0.5);
    }
    return CRGBA::FromBytes(bytes[0], bytes[1], bytes[2]);
}

CHSV::CHSV(CRGBA color) : value(RgbToHsv(color).value) {}

CRGBA& CRGBA::operator=(const CHSV& hsv)
{
    value = HsvToRgb(hsv).value;
    return *this;
}
