#include "dialog/ColorTexts.h"

#include <algorithm>
#include <climits>
#include <cstdio>

#include "common/AsciiText.h"

namespace {

bool IsSpace(char16_t c) { return c == u' ' || c == u'\t' || c == u'\r' || c == u'\n' || c == u'\v' || c == u'\f'; }

// Reads "%d" at p; false (p unchanged) when no digit follows the white space
// and sign.
bool ReadNumber(const char16_t*& p, int& value)
{
    const char16_t* q = p;
    while (IsSpace(*q))
        ++q;
    const bool negative = *q == u'-';
    if (*q == u'-' || *q == u'+')
        ++q;
    if (*q < u'0' || *q > u'9')
        return false;
    long long number = 0;
    for (; *q >= u'0' && *q <= u'9'; ++q)
        number = std::min(number * 10 + (*q - u'0'), static_cast<long long>(INT_MAX) + 1);
    number = negative ? -number : number;
    value = static_cast<int>(std::clamp(number, static_cast<long long>(INT_MIN), static_cast<long long>(INT_MAX)));
    p = q;
    return true;
}

// Reads "%02X" at p: white space is skipped, then at most two characters
// are read, an optional sign and hex digits; the byte is the number's low 8
// bits. False (p unchanged) when no digit follows.
bool ReadHexPair(const char16_t*& p, std::uint8_t& byte)
{
    const char16_t* q = p;
    while (IsSpace(*q))
        ++q;
    int width = 2;
    const bool negative = *q == u'-';
    if (*q == u'-' || *q == u'+') {
        ++q;
        --width;
    }
    int value = 0;
    int digits = 0;
    for (; digits < width && HexDigitValue(*q) >= 0; ++q, ++digits)
        value = value * 16 + HexDigitValue(*q);
    if (digits == 0)
        return false;
    byte = static_cast<std::uint8_t>(negative ? -value : value);
    p = q;
    return true;
}

std::uint8_t ToByte(int value) { return static_cast<std::uint8_t>(std::clamp(value, 0, 255)); }

} // namespace

std::u16string DecimalText(int value) { return WidenAscii(std::to_string(value)); }

std::u16string HexText(CRGBA color)
{
    char text[8];
    std::snprintf(text, sizeof text, "%02x%02x%02x", color.Red(), color.Green(), color.Blue());
    return WidenAscii(text);
}

std::u16string RgbText(CRGBA color)
{
    char text[16];
    std::snprintf(text, sizeof text, "%d,%d,%d", color.Red(), color.Green(), color.Blue());
    return WidenAscii(text);
}

int ParseFieldNumber(const char16_t* text)
{
    int value = 0;
    if (text)
        ReadNumber(text, value);
    return value;
}

CRGBA ParseHexColor(const char16_t* text)
{
    if (!text)
        return CRGBA(0);
    while (IsSpace(*text))
        ++text;
    // A leading number sign, as web pages and other programs write colors,
    // is skipped: "#ff8000" is orange, not black. Text without it reads the same.
    if (*text == u'#')
        ++text;
    std::uint8_t bytes[3] = {};
    for (std::uint8_t& byte : bytes)
        if (!ReadHexPair(text, byte))
            break;
    return CRGBA::FromBytes(bytes[0], bytes[1], bytes[2]);
}

CRGBA ParseRgbColor(const char16_t* text)
{
    int values[3] = {};
    for (int i = 0; text && i < 3; ++i) {
        if (!ReadNumber(text, values[i]))
            break;
        while (IsSpace(*text))
            ++text;
        if (i < 2 && *text++ != u',')
            break;
    }
    return CRGBA::FromBytes(ToByte(values[0]), ToByte(values[1]), ToByte(values[2]));
}
