#include "dialog/ColorValueTexts.h"

#include <algorithm>
#include <cmath>
#include <cstdio>

#include "common/AsciiText.h"
#include "plexa/TextHelpers.h"

namespace {

constexpr int kLineUnits = 128;

double Luminance(CRGBA c)
{
    return 0.2126 * LinearChannel(c.Red()) + 0.7152 * LinearChannel(c.Green()) + 0.0722 * LinearChannel(c.Blue());
}

// Three decimals of each value, separated by commas.
std::u16string Decimals(const double* values, int count)
{
    std::string text;
    char number[16];
    for (int i = 0; i < count; ++i) {
        std::snprintf(number, sizeof number, "%.3f", values[i]);
        text += (i ? ", " : "") + std::string(number);
    }
    return WidenAscii(text);
}

} // namespace

double LinearChannel(int channel)
{
    const double c = std::clamp(channel, 0, 255) / 255.0;
    return c <= 0.04045 ? c / 12.92 : std::pow((c + 0.055) / 1.055, 2.4);
}

double ContrastRatio(CRGBA a, CRGBA b)
{
    const double la = Luminance(a);
    const double lb = Luminance(b);
    return (std::max(la, lb) + 0.05) / (std::min(la, lb) + 0.05);
}

std::u16string ContrastLine(CRGBA a, CRGBA b, const ContrastWords& words)
{
    // Rounded down, so that a ratio shown as 4.50 has passed 4.5; the tiny
    // allowance keeps 21 (white on black), which division makes a hair
    // less, at 21.00.
    const int hundredths = static_cast<int>(std::floor(ContrastRatio(a, b) * 100 + 1e-9));
    char ratio[16];
    std::snprintf(ratio, sizeof ratio, "%d.%02d", hundredths / 100, hundredths % 100);
    char16_t line[kLineUnits];
    jxsprintf(line, kLineUnits, words.format, WidenAscii(ratio).c_str());
    std::u16string text = line;
    const char16_t* verdict = hundredths >= 700   ? words.aaa
                              : hundredths >= 450 ? words.aa
                              : hundredths >= 300 ? words.aaLarge
                                                  : nullptr;
    if (verdict)
        text += u", " + std::u16string(verdict);
    return text;
}

std::u16string CopyText(CopyFormat format, CRGBA color, bool withAlpha)
{
    const int bytes[4] = {color.Red(), color.Green(), color.Blue(), color.Alpha()};
    const int count = withAlpha ? 4 : 3;
    char text[64];
    switch (format) {
    case CopyFormat::Hex:
        std::snprintf(text, sizeof text, "#%02X%02X%02X", bytes[0], bytes[1], bytes[2]);
        if (withAlpha)
            std::snprintf(text + 7, sizeof text - 7, "%02X", bytes[3]);
        return WidenAscii(text);
    case CopyFormat::Css:
        std::snprintf(text, sizeof text, "rgb(%d %d %d", bytes[0], bytes[1], bytes[2]);
        if (withAlpha)
            std::snprintf(text + std::char_traits<char>::length(text), 16, " / %.2f", bytes[3] / 255.0);
        return WidenAscii(text) + u")";
    case CopyFormat::FloatSrgb: {
        double values[4];
        for (int i = 0; i < count; ++i)
            values[i] = bytes[i] / 255.0;
        return Decimals(values, count);
    }
    case CopyFormat::LinearFloat: {
        // Alpha has no transfer function: it stays as it is.
        double values[4] = {LinearChannel(bytes[0]), LinearChannel(bytes[1]), LinearChannel(bytes[2]),
                            bytes[3] / 255.0};
        return Decimals(values, count);
    }
    }
    return {};
}
