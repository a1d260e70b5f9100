// Locale-independent helpers for the ASCII names, keys and digits that the
// host library and the module compare, in narrow or UTF-16 text.
#pragma once

#include <string>
#include <string_view>

template <typename Char> Char ToLowerAscii(Char c)
{
    return (c >= 'A' && c <= 'Z') ? static_cast<Char>(c - 'A' + 'a') : c;
}

template <typename Char> bool EqualsIgnoringAsciiCase(std::basic_string_view<Char> a, std::basic_string_view<Char> b)
{
    if (a.size() != b.size())
        return false;
    for (std::size_t i = 0; i < a.size(); ++i)
        if (ToLowerAscii(a[i]) != ToLowerAscii(b[i]))
            return false;
    return true;
}

// Null equals nothing, not even null.
template <typename Char> bool EqualsIgnoringAsciiCase(const Char* a, const Char* b)
{
    return a && b && EqualsIgnoringAsciiCase(std::basic_string_view<Char>(a), std::basic_string_view<Char>(b));
}

template <typename Char> int HexDigitValue(Char c)
{
    if (c >= '0' && c <= '9')
        return c - '0';
    if (c >= 'a' && c <= 'f')
        return c - 'a' + 10;
    if (c >= 'A' && c <= 'F')
        return c - 'A' + 10;
    return -1;
}

// ASCII text (a number printed, say) as UTF-16.
inline std::u16string WidenAscii(std::string_view text) { return std::u16string(text.begin(), text.end()); }
