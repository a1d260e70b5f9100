#include "host/plexa/src/Utf16Format.h"

#include <algorithm>
#include <cstdint>
#include <cstdio>
#include <string>

#include "host/plexa/src/AnsiCodePage.h"

namespace {

// Bounds that keep every number's text inside kNumberBuffer.
constexpr int kMaxWidth = 256;
constexpr int kMaxPrecision = 256;
constexpr int kNumberBuffer = 1024;

class Output {
public:
    Output(char16_t* buffer, int size) : buffer(buffer), size(size) {}

    void Put(char16_t unit)
    {
        if (length + 1 < size)
            buffer[length++] = unit;
        else
            cut = true;
    }
    void Pad(int count)
    {
        for (int i = 0; i < count; ++i)
            Put(u' ');
    }
    void PutAscii(const char* text)
    {
        while (*text)
            Put(static_cast<unsigned char>(*text++));
    }
    int Finish()
    {
        if (size > 0)
            buffer[length] = 0;
        return cut ? -1 : length;
    }

private:
    char16_t* buffer;
    int size;
    int length = 0;
    bool cut = false;
};

struct Conversion {
    std::string flags;
    int width = -1;
    int precision = -1;
    std::string lengthModifier;
    char16_t specifier = 0;
    bool leftAlign = false;
};

int ReadNumber(const char16_t*& p)
{
    int value = 0;
    while (*p >= u'0' && *p <= u'9') {
        value = std::min(value * 10 + (*p - u'0'), 100000);
        ++p;
    }
    return value;
}

// Parses the part after '%'; p is left after the conversion character.
Conversion ParseConversion(const char16_t*& p, va_list& args)
{
    Conversion conversion;
    while (*p == u'-' || *p == u'+' || *p == u' ' || *p == u'#' || *p == u'0') {
        if (*p == u'-')
            conversion.leftAlign = true;
        conversion.flags.push_back(static_cast<char>(*p++));
    }
    if (*p == u'*') {
        ++p;
        conversion.width = va_arg(args, int);
        if (conversion.width < 0) {
            conversion.leftAlign = true;
            conversion.flags.push_back('-');
            conversion.width = -conversion.width;
        }
    } else if (*p >= u'0' && *p <= u'9') {
        conversion.width = ReadNumber(p);
    }
    if (*p == u'.') {
        ++p;
        if (*p == u'*') {
            ++p;
            conversion.precision = va_arg(args, int); // negative: as if none was given
        } else {
            conversion.precision = ReadNumber(p);
        }
    }
    while (*p == u'h' || *p == u'l' || *p == u'z' || *p == u'j' || *p == u't' || *p == u'L')
        conversion.lengthModifier.push_back(static_cast<char>(*p++));
    conversion.specifier = *p;
    if (*p)
        ++p;
    conversion.width = std::min(conversion.width, kMaxWidth);
    conversion.precision = std::min(conversion.precision, kMaxPrecision);
    return conversion;
}

// The narrow printf format for one number, with the length modifier given.
std::string NarrowConversion(const Conversion& conversion, const char* lengthModifier)
{
    std::string narrow = "%" + conversion.flags;
    if (conversion.width >= 0)
        narrow += std::to_string(conversion.width);
    if (conversion.precision >= 0)
        narrow += "." + std::to_string(conversion.precision);
    narrow += lengthModifier;
    narrow.push_back(static_cast<char>(conversion.specifier));
    return narrow;
}

void PutText(Output& out, const Conversion& conversion, const char16_t* text, int length)
{
    if (conversion.precision >= 0)
        length = std::min(length, conversion.precision);
    const int padding = std::max(conversion.width - length, 0);
    if (!conversion.leftAlign)
        out.Pad(padding);
    for (int i = 0; i < length; ++i)
        out.Put(text[i]);
    if (conversion.leftAlign)
        out.Pad(padding);
}

void PutString(Output& out, const Conversion& conversion, va_list& args)
{
    if (conversion.lengthModifier == "h") {
        const char* narrow = va_arg(args, const char*);
        const std::u16string wide = AnsiToUtf16(narrow ? narrow : "(null)");
        PutText(out, conversion, wide.c_str(), static_cast<int>(wide.size()));
        return;
    }
    const char16_t* text = va_arg(args, const char16_t*);
    if (!text)
        text = u"(null)";
    int length = 0;
    while (text[length] && (conversion.precision < 0 || length < conversion.precision))
        ++length;
    PutText(out, conversion, text, length);
}

void PutInteger(Output& out, const Conversion& conversion, va_list& args)
{
    const std::string& m = conversion.lengthModifier;
    const bool isSigned = conversion.specifier == u'd' || conversion.specifier == u'i';
    char text[kNumberBuffer];
    if (isSigned) {
        long long value = 0;
        if (m == "l")
            value = va_arg(args, long);
        else if (m == "ll" || m == "j")
            value = va_arg(args, long long);
        else if (m == "z" || m == "t")
            value = va_arg(args, std::ptrdiff_t);
        else
            value = va_arg(args, int);
        if (m == "h")
            value = static_cast<short>(value);
        else if (m == "hh")
            value = static_cast<signed char>(value);
        std::snprintf(text, sizeof text, NarrowConversion(conversion, "ll").c_str(), value);
    } else {
        unsigned long long value = 0;
        if (m == "l")
            value = va_arg(args, unsigned long);
        else if (m == "ll" || m == "j")
            value = va_arg(args, unsigned long long);
        else if (m == "z" || m == "t")
            value = va_arg(args, std::size_t);
        else
            value = va_arg(args, unsigned);
        if (m == "h")
            value = static_cast<unsigned short>(value);
        else if (m == "hh")
            value = static_cast<unsigned char>(value);
        std::snprintf(text, sizeof text, NarrowConversion(conversion, "ll").c_str(), value);
    }
    out.PutAscii(text);
}

void PutFloat(Output& out, const Conversion& conversion, va_list& args)
{
    const double value =
        conversion.lengthModifier == "L" ? static_cast<double>(va_arg(args, long double)) : va_arg(args, double);
    char text[kNumberBuffer];
    std::snprintf(text, sizeof text, NarrowConversion(conversion, "").c_str(), value);
    out.PutAscii(text);
}

} // namespace

int FormatUtf16(char16_t* buffer, int size, const char16_t* format, va_list args)
{
    Output out(buffer, buffer ? size : 0);
    va_list rest;
    va_copy(rest, args);
    for (const char16_t* p = format ? format : u""; *p;) {
        if (*p != u'%') {
            out.Put(*p++);
            continue;
        }
        ++p;
        const Conversion conversion = ParseConversion(p, rest);
        switch (conversion.specifier) {
        case u'%':
            out.Put(u'%');
            break;
        case u's':
            PutString(out, conversion, rest);
            break;
        case u'c': {
            const auto unit = static_cast<char16_t>(va_arg(rest, int));
            PutText(out,
                    Conversion{conversion.flags, conversion.width, -1, {}, conversion.specifier, conversion.leftAlign},
                    &unit, 1);
            break;
        }
        case u'd':
        case u'i':
        case u'u':
        case u'o':
        case u'x':
        case u'X':
            PutInteger(out, conversion, rest);
            break;
        case u'f':
        case u'F':
        case u'e':
        case u'E':
        case u'g':
        case u'G':
        case u'a':
        case u'A':
            PutFloat(out, conversion, rest);
            break;
        case u'p': {
            char text[64];
            std::snprintf(text, sizeof text, "%p", va_arg(rest, void*));
            out.PutAscii(text);
            break;
        }
        default:
            // %n, an unknown conversion or a format cut short: stop here
            // rather than guess how many arguments the rest takes.
            va_end(rest);
            return out.Finish();
        }
    }
    va_end(rest);
    return out.Finish();
}
