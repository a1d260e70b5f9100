#include "common/Utf8.h"

#include <cstring>

namespace {

constexpr char32_t kReplacement = 0xFFFD;

} // namespace

void AppendUtf8(std::string& out, char32_t c)
{
    if (c < 0x80) {
        out.push_back(static_cast<char>(c));
    } else if (c < 0x800) {
        out.push_back(static_cast<char>(0xC0 | c >> 6));
        out.push_back(static_cast<char>(0x80 | (c & 0x3F)));
    } else if (c < 0x10000) {
        out.push_back(static_cast<char>(0xE0 | c >> 12));
        out.push_back(static_cast<char>(0x80 | (c >> 6 & 0x3F)));
        out.push_back(static_cast<char>(0x80 | (c & 0x3F)));
    } else {
        out.push_back(static_cast<char>(0xF0 | c >> 18));
        out.push_back(static_cast<char>(0x80 | (c >> 12 & 0x3F)));
        out.push_back(static_cast<char>(0x80 | (c >> 6 & 0x3F)));
        out.push_back(static_cast<char>(0x80 | (c & 0x3F)));
    }
}

namespace {

// One code point as one or two UTF-16 units; returns how many.
int EncodeUtf16(char32_t c, char16_t units[2])
{
    if (c < 0x10000) {
        units[0] = static_cast<char16_t>(c);
        return 1;
    }
    c -= 0x10000;
    units[0] = static_cast<char16_t>(0xD800 + (c >> 10));
    units[1] = static_cast<char16_t>(0xDC00 + (c & 0x3FF));
    return 2;
}

bool IsHighSurrogate(char32_t c) { return c >= 0xD800 && c < 0xDC00; }
bool IsLowSurrogate(char32_t c) { return c >= 0xDC00 && c < 0xE000; }

} // namespace

namespace {

// A lone surrogate becomes U+FFFD, or with escapedBytes, one of U+DC80 to
// U+DCFF the byte it stands for.
std::string EncodeUtf8(std::u16string_view text, bool escapedBytes)
{
    std::string out;
    out.reserve(text.size());
    for (std::size_t i = 0; i < text.size(); ++i) {
        char32_t c = text[i];
        if (IsHighSurrogate(c) && i + 1 < text.size() && IsLowSurrogate(text[i + 1])) {
            c = 0x10000 + ((c - 0xD800) << 10) + (text[++i] - 0xDC00);
        } else if (escapedBytes && c >= 0xDC80 && c <= 0xDCFF) {
            out.push_back(static_cast<char>(c - 0xDC00));
            continue;
        } else if (IsHighSurrogate(c) || IsLowSurrogate(c)) {
            c = kReplacement;
        }
        AppendUtf8(out, c);
    }
    return out;
}

} // namespace

std::string Utf16ToUtf8(std::u16string_view text) { return EncodeUtf8(text, false); }

namespace {

char32_t Replaced(unsigned char) { return kReplacement; }

// A byte of a name that is no UTF-8 is kept as a lone surrogate.
char32_t Escaped(unsigned char byte) { return 0xDC00 + byte; }

// Decodes text character by character, handing each code point to sink
// until it answers false; each byte that starts no valid character is
// handed over as invalid(byte).
template <typename Sink>
void DecodeUtf8(std::string_view text, Sink sink, char32_t (*invalid)(unsigned char) = Replaced)
{
    for (std::size_t i = 0; i < text.size();) {
        const auto lead = static_cast<unsigned char>(text[i]);
        int length = 0;
        char32_t c = 0;
        char32_t minimum = 0;
        if (lead < 0x80) {
            length = 1, c = lead;
        } else if ((lead & 0xE0) == 0xC0) {
            length = 2, c = lead & 0x1F, minimum = 0x80;
        } else if ((lead & 0xF0) == 0xE0) {
            length = 3, c = lead & 0x0F, minimum = 0x800;
        } else if ((lead & 0xF8) == 0xF0) {
            length = 4, c = lead & 0x07, minimum = 0x10000;
        }
        bool valid = length > 0 && i + length <= text.size();
        for (int k = 1; valid && k < length; ++k) {
            const auto next = static_cast<unsigned char>(text[i + k]);
            valid = (next & 0xC0) == 0x80;
            c = c << 6 | (next & 0x3F);
        }
        valid = valid && c >= minimum && c <= 0x10FFFF && !IsHighSurrogate(c) && !IsLowSurrogate(c);
        if (!sink(valid ? c : invalid(lead)))
            return;
        i += valid ? static_cast<std::size_t>(length) : 1;
    }
}

} // namespace

std::u16string PathBytesToUtf16(std::string_view bytes)
{
    std::u16string out;
    out.reserve(bytes.size());
    DecodeUtf8(
        bytes,
        [&](char32_t c) {
            AppendUtf16(out, c);
            return true;
        },
        Escaped);
    return out;
}

std::string Utf16ToPathBytes(std::u16string_view path) { return EncodeUtf8(path, true); }

namespace {

// The text decoded character by character and written again by `append`.
template <typename Out> Out Reencoded(std::string_view text, void (*append)(Out&, char32_t))
{
    Out out;
    out.reserve(text.size());
    DecodeUtf8(text, [&](char32_t c) {
        append(out, c);
        return true;
    });
    return out;
}

} // namespace

std::u16string Utf8ToUtf16(std::string_view text) { return Reencoded<std::u16string>(text, AppendUtf16); }

std::string ValidUtf8(std::string_view text) { return Reencoded<std::string>(text, AppendUtf8); }

int Utf8ToUtf16Buffer(std::string_view text, char16_t* buffer, int size)
{
    if (!buffer || size <= 0)
        return 0;
    int length = 0;
    DecodeUtf8(text, [&](char32_t c) {
        char16_t units[2];
        const int count = EncodeUtf16(c, units);
        if (length + count > size - 1)
            return false;
        for (int i = 0; i < count; ++i)
            buffer[length++] = units[i];
        return true;
    });
    buffer[length] = 0;
    return length;
}

void AppendUtf16(std::u16string& out, char32_t codePoint)
{
    char16_t units[2];
    out.append(units, static_cast<std::size_t>(EncodeUtf16(codePoint, units)));
}

int Utf16ToUtf8Buffer(std::u16string_view text, char* buffer, int size)
{
    if (!buffer || size <= 0)
        return 0;
    const std::string utf8 = Utf16ToUtf8(text);
    std::size_t length = utf8.size();
    if (length > static_cast<std::size_t>(size - 1)) {
        length = static_cast<std::size_t>(size - 1);
        // Step back over continuation bytes to the start of the cut character.
        while (length > 0 && (static_cast<unsigned char>(utf8[length]) & 0xC0) == 0x80)
            --length;
    }
    std::memcpy(buffer, utf8.data(), length);
    buffer[length] = 0;
    return static_cast<int>(length);
}
