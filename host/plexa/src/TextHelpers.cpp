#include "plexa/TextHelpers.h"

#include <algorithm>
#include <cstring>
#include <string_view>

#include "host/plexa/src/AnsiCodePage.h"
#include "host/plexa/src/Utf16Format.h"

bool AddSlash(char16_t* path, int size)
{
    if (!path)
        return false;
    const std::size_t length = std::char_traits<char16_t>::length(path);
    // An empty path names no folder; a separator would turn it into the root.
    if (length == 0 || path[length - 1] == u'\\' || path[length - 1] == u'/')
        return true;
    if (static_cast<long long>(length) + 2 > size)
        return false;
    path[length] = u'\\';
    path[length + 1] = 0;
    return true;
}

int jxsprintf(char16_t* buffer, int size, const char16_t* format, ...)
{
    va_list args;
    va_start(args, format);
    const int written = FormatUtf16(buffer, size, format, args);
    va_end(args);
    return written;
}

int WtoAex(const char16_t* text, char* buffer, int size)
{
    if (!buffer || size <= 0)
        return 0;
    const std::string ansi = Utf16ToAnsi(text ? std::u16string_view(text) : std::u16string_view());
    // A cut may split a double-byte character of an East Asian code page;
    // the text stays terminated, which is what callers rely on.
    const int length = std::min(static_cast<int>(ansi.size()), size - 1);
    std::memcpy(buffer, ansi.data(), static_cast<std::size_t>(length));
    buffer[length] = 0;
    return length;
}

int QueryWtoABufSize(const char16_t* text)
{
    return static_cast<int>(Utf16ToAnsi(text ? std::u16string_view(text) : std::u16string_view()).size()) + 1;
}
