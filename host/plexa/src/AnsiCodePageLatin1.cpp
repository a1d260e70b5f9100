#include "host/plexa/src/AnsiCodePage.h"

std::string Utf16ToAnsi(std::u16string_view text)
{
    std::string ansi;
    ansi.reserve(text.size());
    for (std::size_t i = 0; i < text.size(); ++i) {
        const char16_t unit = text[i];
        const bool pair =
            unit >= 0xD800 && unit < 0xDC00 && i + 1 < text.size() && text[i + 1] >= 0xDC00 && text[i + 1] < 0xE000;
        if (pair)
            ++i; // one character, one '?'
        ansi.push_back(unit <= 0xFF ? static_cast<char>(unit) : '?');
    }
    return ansi;
}

std::u16string AnsiToUtf16(std::string_view text)
{
    std::u16string wide;
    wide.reserve(text.size());
    for (const char c : text)
        wide.push_back(static_cast<unsigned char>(c));
    return wide;
}
