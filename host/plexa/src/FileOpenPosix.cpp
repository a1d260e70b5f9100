#include "FileOpen.h"

#include <string>

namespace {

// Paths go to the C library as UTF-8; an unpaired surrogate becomes U+FFFD.
std::string Utf16ToUtf8(std::u16string_view text)
{
    std::string utf8;
    for (std::size_t i = 0; i < text.size(); ++i) {
        char32_t c = text[i];
        if (c >= 0xD800 && c < 0xDC00 && i + 1 < text.size() && text[i + 1] >= 0xDC00 && text[i + 1] < 0xE000)
            c = 0x10000 + ((c - 0xD800) << 10) + (text[++i] - 0xDC00);
        else if (c >= 0xD800 && c < 0xE000)
            c = 0xFFFD;
        if (c < 0x80) {
            utf8.push_back(static_cast<char>(c));
        } else if (c < 0x800) {
            utf8.push_back(static_cast<char>(0xC0 | c >> 6));
            utf8.push_back(static_cast<char>(0x80 | (c & 0x3F)));
        } else if (c < 0x10000) {
            utf8.push_back(static_cast<char>(0xE0 | c >> 12));
            utf8.push_back(static_cast<char>(0x80 | (c >> 6 & 0x3F)));
            utf8.push_back(static_cast<char>(0x80 | (c & 0x3F)));
        } else {
            utf8.push_back(static_cast<char>(0xF0 | c >> 18));
            utf8.push_back(static_cast<char>(0x80 | (c >> 12 & 0x3F)));
            utf8.push_back(static_cast<char>(0x80 | (c >> 6 & 0x3F)));
            utf8.push_back(static_cast<char>(0x80 | (c & 0x3F)));
        }
    }
    return utf8;
}

} // namespace

std::FILE* OpenFile(std::u16string_view path, FileAccess access)
{
    const char* mode = access == FileAccess::Read ? "rb" : access == FileAccess::CreateOrReplace ? "wb" : "wbx";
    return std::fopen(Utf16ToUtf8(path).c_str(), mode);
}
