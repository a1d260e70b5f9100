#include "palette/formats/GimpPalette.h"

#include <cstring>
#include <string>

#include "palette/ColorNameTable.h"
#include "palette/formats/PaletteLists.h"
#include "common/PathNames.h"
#include "common/Utf8.h"
#include "plexa/TextHelpers.h"

namespace {

constexpr char kMagic[] = "GIMP Palette";
constexpr int kMagicLength = 12;
// The stream's line reads and the name conversions use these buffers.
constexpr int kLineBytes = 255;
constexpr int kNameBytes = 254;
constexpr int kNameUnits = 254;
constexpr int kFileNameUnits = 256;

bool IsScanSpace(char c) { return c == ' ' || c == '\t' || c == '\n' || c == '\r' || c == '\v' || c == '\f'; }

// One "%3d": white space, then at most three characters of sign and digits.
bool ScanNumber(const char*& p, int& value)
{
    while (IsScanSpace(*p))
        ++p;
    int width = 3;
    bool negative = false;
    if (*p == '+' || *p == '-') {
        negative = *p == '-';
        ++p;
        --width;
    }
    int digits = 0;
    int number = 0;
    for (; digits < width && *p >= '0' && *p <= '9'; ++digits, ++p)
        number = number * 10 + (*p - '0');
    if (digits == 0)
        return false;
    value = negative ? -number : number;
    return true;
}

// The palette name: the stream's file title without its extension.
std::string PaletteName(jx_STREAM* stream)
{
    char16_t fileName[kFileNameUnits] = {};
    stream->GetFileName(fileName, kFileNameUnits, 1);
    std::u16string title(fileName + GetFileNameOffset(fileName));
    const auto dot = title.rfind(u'.');
    if (dot != std::u16string::npos)
        title.resize(dot);
    char name[kLineBytes];
    WtoAex(title.c_str(), name, kLineBytes);
    return name;
}

// A name as one line of UTF-8: cut at a whole character to fit the buffer,
// and with line breaks (possible in names from other formats) made spaces,
// so that the name cannot end its line early.
std::string NameForLine(const char16_t* text)
{
    char name[kNameBytes] = "";
    if (text)
        Utf16ToUtf8Buffer(text, name, kNameBytes);
    for (char* c = name; *c; ++c)
        if (*c == '\r' || *c == '\n')
            *c = ' ';
    return name;
}

} // namespace

bool ScanGimpComponents(const char* line, int& red, int& green, int& blue)
{
    const char* p = line;
    return ScanNumber(p, red) && ScanNumber(p, green) && ScanNumber(p, blue);
}

void WriteGimpPalette(jx_STREAM* stream, const CPaletteSlots& slots, const jx_SORTEDCOLLECTION* names)
{
    const int last = slots.LastUsed();
    stream->Printf("GIMP Palette\n");
    stream->Printf("Name: %s\n", PaletteName(stream).c_str());
    stream->Printf("#\n");
    for (int i = 0; i <= last; ++i) {
        const std::uint32_t value = slots.At(i);
        // An empty slot looks up its own value, which has no name.
        const std::string name = NameForLine(FirstColorName(names, value));
        stream->Printf("%3d %3d %3d\t%s\n", static_cast<int>(value & 0xFF), static_cast<int>(value >> 8 & 0xFF),
                       static_cast<int>(value >> 16 & 0xFF), name.c_str());
    }
}

void ReadGimpPalette(jx_STREAM* stream, jx_COLLECTION* colors, jx_SORTEDCOLLECTION* names)
{
    char line[kLineBytes];
    if (!stream->ReadLine(line, kLineBytes) || std::strncmp(line, kMagic, kMagicLength) != 0)
        return;
    CColorNameBatch batch;
    while (stream->ReadLine(line, kLineBytes)) {
        if (line[0] == '#')
            continue;
        int red = 0;
        int green = 0;
        int blue = 0;
        if (!ScanGimpComponents(line, red, green, blue))
            continue;
        const char* tab = std::strchr(line, '\t');
        const char* name = tab ? tab + 1 : "";
        // The numbers as written decide emptiness: 256 0 0 is black, not empty.
        if (red == 0 && green == 0 && blue == 0 && !*name) {
            AppendColor(colors, EMPTY_SLOT);
            continue;
        }
        const std::uint32_t color = (red & 0xFF) | (green & 0xFF) << 8 | (blue & 0xFF) << 16;
        AppendColor(colors, color);
        if (*name) {
            char16_t wide[kNameUnits];
            const int units = Utf8ToUtf16Buffer(name, wide, kNameUnits);
            batch.Add(color, std::u16string_view(wide, static_cast<std::size_t>(units)));
        }
    }
    batch.AddTo(names);
}
