#include "palette/formats/PlainPalettes.h"

#include <algorithm>
#include <cstring>
#include <string_view>

#include "common/AsciiText.h"
#include "palette/formats/GimpPalette.h"
#include "palette/formats/PaletteLists.h"

namespace {

constexpr int kLineBytes = 1024;

std::string_view Trimmed(std::string_view text)
{
    while (!text.empty() && (text.front() == ' ' || text.front() == '\t'))
        text.remove_prefix(1);
    while (!text.empty() && (text.back() == ' ' || text.back() == '\t' || text.back() == '\r'))
        text.remove_suffix(1);
    return text;
}

// The value of exactly `digits` hexadecimal digits, or -1.
long HexValue(std::string_view text, std::size_t digits)
{
    if (text.size() != digits)
        return -1;
    long value = 0;
    for (const char c : text) {
        const int digit = HexDigitValue(c);
        if (digit < 0)
            return -1;
        value = value << 4 | digit;
    }
    return value;
}

// "RRGGBB" or "#RRGGBB" as a packed color, or -1.
long HexListColor(std::string_view line)
{
    line = Trimmed(line);
    if (!line.empty() && line.front() == '#')
        line.remove_prefix(1);
    const long rgb = HexValue(line, 6);
    return rgb < 0 ? -1 : (rgb >> 16 & 0xFF) | (rgb & 0xFF00) | (rgb & 0xFF) << 16;
}

std::string_view FirstLine(const unsigned char* bytes, int count)
{
    const std::string_view text(reinterpret_cast<const char*>(bytes), static_cast<std::size_t>(count));
    return text.substr(0, text.find('\n'));
}

// A Paint.NET palette without its comment lines: every line looked at is
// eight hex digits (blank and ';' lines aside), the last one perhaps cut
// short where the look ended, and there is at least one whole.
bool HasOnlyArgbLines(const unsigned char* bytes, int count)
{
    std::string_view text(reinterpret_cast<const char*>(bytes), static_cast<std::size_t>(count));
    int whole = 0;
    while (!text.empty()) {
        const std::size_t end = text.find('\n');
        const std::string_view line = Trimmed(text.substr(0, end));
        const bool last = end == std::string_view::npos;
        text.remove_prefix(last ? text.size() : end + 1);
        if (line.empty() || line.front() == ';')
            continue;
        if (HexValue(line, 8) >= 0) {
            ++whole;
            continue;
        }
        const bool cutHexDigits =
            line.size() < 8 && std::all_of(line.begin(), line.end(), [](char c) { return HexDigitValue(c) >= 0; });
        if (!last || !cutHexDigits)
            return false;
    }
    return whole > 0;
}

std::uint32_t LittleEndian(const unsigned char* bytes, int count)
{
    std::uint32_t value = 0;
    for (int i = count - 1; i >= 0; --i)
        value = value << 8 | bytes[i];
    return value;
}

void ReadRiff(jx_STREAM* stream, jx_COLLECTION* colors)
{
    unsigned char header[12];
    if (stream->Read(header, 12) != 12)
        return;
    // Chunks until "data"; each other chunk is stepped over by its size.
    unsigned char chunk[8];
    while (stream->Read(chunk, 8) == 8) {
        const std::uint32_t size = LittleEndian(chunk + 4, 4);
        if (std::memcmp(chunk, "data", 4) != 0) {
            if (size > INT32_MAX || stream->Seek(static_cast<std::int32_t>(size + (size & 1)), 1) != 0)
                return;
            continue;
        }
        unsigned char words[4];
        if (size < 4 || stream->Read(words, 4) != 4)
            return;
        // The count cannot promise more entries than the chunk holds.
        const std::uint32_t count = std::min(LittleEndian(words + 2, 2), (size - 4) / 4);
        for (std::uint32_t i = 0; i < count; ++i) {
            unsigned char entry[4];
            if (stream->Read(entry, 4) != 4)
                return;
            AppendColor(colors, entry[0] | entry[1] << 8 | static_cast<std::uint32_t>(entry[2]) << 16);
        }
        return;
    }
}

} // namespace

PlainFormat PlainFormatForContent(const unsigned char* bytes, int count)
{
    if (count >= 12 && std::memcmp(bytes, "RIFF", 4) == 0 && std::memcmp(bytes + 8, "PAL ", 4) == 0)
        return PlainFormat::Riff;
    const std::string_view first = Trimmed(FirstLine(bytes, count));
    if (first == "JASC-PAL")
        return PlainFormat::Jasc;
    if (!first.empty() && first.front() == ';')
        return PlainFormat::PaintNet;
    if (HexListColor(first) >= 0)
        return PlainFormat::HexList;
    if (HasOnlyArgbLines(bytes, count))
        return PlainFormat::PaintNet;
    return PlainFormat::None;
}

void ReadPlainPalette(jx_STREAM* stream, PlainFormat format, jx_COLLECTION* colors)
{
    if (format == PlainFormat::Riff) {
        ReadRiff(stream, colors);
        return;
    }
    char line[kLineBytes];
    // JASC-PAL's header is three lines; the color lines after it.
    int header = format == PlainFormat::Jasc ? 3 : 0;
    while (stream->ReadLine(line, kLineBytes)) {
        if (header > 0) {
            --header;
            continue;
        }
        const std::string_view text = Trimmed(line);
        long color = -1;
        if (format == PlainFormat::Jasc) {
            int red = 0, green = 0, blue = 0;
            if (ScanGimpComponents(line, red, green, blue) && red >= 0 && red < 256 && green >= 0 && green < 256 &&
                blue >= 0 && blue < 256)
                color = red | green << 8 | blue << 16;
        } else if (format == PlainFormat::PaintNet) {
            const long argb = text.empty() || text.front() == ';' ? -1 : HexValue(text, 8);
            color = argb < 0 ? -1 : (argb >> 16 & 0xFF) | (argb & 0xFF00) | (argb & 0xFF) << 16;
        } else {
            color = HexListColor(text);
        }
        if (color >= 0)
            AppendColor(colors, static_cast<std::uint32_t>(color));
    }
}
