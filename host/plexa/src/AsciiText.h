// Locale-independent helpers for the ASCII names and keys the host compares.
#pragma once

inline char ToLowerAscii(char c) { return (c >= 'A' && c <= 'Z') ? static_cast<char>(c - 'A' + 'a') : c; }

// Null equals nothing, not even null.
inline bool EqualsIgnoringAsciiCase(const char* a, const char* b)
{
    if (!a || !b)
        return false;
    for (; *a && *b; ++a, ++b)
        if (ToLowerAscii(*a) != ToLowerAscii(*b))
            return false;
    return *a == *b;
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
