#include "palette/formats/AcoPalette.h"

#include <cstring>

#include <algorithm>
#include <string>

#include "palette/ColorNameTable.h"
#include "color/FloatColor.h"
#include "palette/formats/PaletteLists.h"
#include "color/SwatchColorSpaces.h"

namespace {

enum SwatchSpace : std::uint16_t {
    kSpaceRgb = 0,
    kSpaceHsb = 1,
    kSpaceCmyk = 2,
    kSpaceLab = 7,
    kSpaceGray = 8,
    kSpaceWideCmyk = 9,
};

constexpr char kUnknownSpaceMessage[] = "Unknown color space. Send palette file to support";
// Name units kept per swatch, terminator included.
constexpr int kNameUnits = 256;
// Longest name a 16-bit length (counting the terminator) can describe.
constexpr std::size_t kMaxWrittenName = 65534;
constexpr std::int32_t kSwatchBytes = 10;
// A section counts its swatches in one 16-bit word.
constexpr int kMaxSwatches = 65535;

// Restores the stream's word order on every way out.
class BigEndianWords {
public:
    explicit BigEndianWords(jx_STREAM* stream) : stream(stream), saved(stream->GetWordOrder())
    {
        stream->SetWordOrder(kWordOrderBigEndian);
    }
    ~BigEndianWords() { stream->SetWordOrder(saved); }

private:
    jx_STREAM* stream;
    int saved;
};

float Fraction(std::uint16_t value, float whole) { return static_cast<float>(value) / whole; }

// Reads one swatch's five words; false at the end of the stream.
bool ReadSwatch(jx_STREAM* stream, AcoSwatch& swatch)
{
    std::uint16_t* fields[] = {&swatch.space, &swatch.w, &swatch.x, &swatch.y, &swatch.z};
    for (std::uint16_t* field : fields) {
        const int word = stream->ReadWord();
        if (word < 0)
            return false;
        *field = static_cast<std::uint16_t>(word);
    }
    return true;
}

std::uint32_t ColorOrReport(const AcoSwatch& swatch, PaletteHost& host)
{
    std::uint32_t color = 0;
    if (!SwatchToColor(swatch, color))
        host.ReportMessage(kUnknownSpaceMessage);
    return color;
}

// A name takes exactly L words: L - 1 units and a terminator; L = 0 takes
// none. Units beyond the buffer are skipped, so the next swatch starts where
// it should. Writers that count the name without its terminator (and write
// none) leave a last unit where the terminator belongs; it is kept.
std::u16string ReadName(jx_STREAM* stream, std::uint16_t length)
{
    std::u16string name;
    if (length == 0)
        return name;
    const int units = length - 1;
    const int kept = std::min(units, kNameUnits - 1);
    for (int i = 0; i < kept; ++i) {
        const int unit = stream->ReadWord();
        if (unit < 0)
            return name;
        name.push_back(static_cast<char16_t>(unit));
    }
    if (units > kept)
        stream->Seek(2 * (units - kept), 1);
    const int terminator = stream->ReadWord();
    if (terminator > 0 && static_cast<int>(name.size()) < kNameUnits - 1)
        name.push_back(static_cast<char16_t>(terminator));
    // A name ends at its first zero.
    name.resize(std::min(name.size(), name.find(u'\0')));
    return name;
}

void ReadVersion1Swatches(jx_STREAM* stream, int count, jx_COLLECTION* colors, PaletteHost& host)
{
    AcoSwatch swatch{};
    for (int i = 0; i < count && ReadSwatch(stream, swatch); ++i)
        AppendColor(colors, ColorOrReport(swatch, host));
}

void ReadVersion2Swatches(jx_STREAM* stream, int count, jx_COLLECTION* colors, jx_SORTEDCOLLECTION* names,
                          PaletteHost& host)
{
    AcoSwatch swatch{};
    CColorNameBatch batch;
    for (int i = 0; i < count && ReadSwatch(stream, swatch); ++i) {
        stream->ReadWord(); // the length's high word is not used
        const int length = stream->ReadWord();
        const std::u16string name = ReadName(stream, static_cast<std::uint16_t>(std::max(length, 0)));
        const std::uint32_t color = ColorOrReport(swatch, host);
        AppendColor(colors, color == 0 && name.empty() ? EMPTY_SLOT : color);
        // A pair already in the table is not added again, as the GIMP and
        // HTML readers do. The table keeps equal pairs, so a file that
        // repeats a named swatch (the same color in two groups of an export)
        // would otherwise show the name twice in the color's tooltip.
        if (!name.empty())
            batch.Add(color, name);
    }
    batch.AddTo(names);
}

void WriteSwatch(jx_STREAM* stream, const AcoSwatch& swatch)
{
    for (const std::uint16_t word : {swatch.space, swatch.w, swatch.x, swatch.y, swatch.z})
        stream->WriteWord(word);
}

} // namespace

bool SwatchToColor(const AcoSwatch& swatch, std::uint32_t& color)
{
    switch (swatch.space) {
    case kSpaceRgb: {
        const auto channel = [](std::uint16_t c) { return static_cast<std::uint32_t>(c * 255.0 / 65535.0); };
        color = channel(swatch.w) | channel(swatch.x) << 8 | channel(swatch.y) << 16;
        return true;
    }
    case kSpaceHsb:
        color = FloatHsvToRgb(Fraction(swatch.w, 65535.0f), Fraction(swatch.x, 65535.0f), Fraction(swatch.y, 65535.0f))
                    .value;
        return true;
    case kSpaceCmyk: {
        // 0 is full ink, 65535 none.
        const auto ink = [](std::uint16_t c) { return static_cast<float>(65535 - c) / 65535.0f; };
        color = FloatRgbToColor(CmykToRgb(ink(swatch.w), ink(swatch.x), ink(swatch.y), ink(swatch.z))).value;
        return true;
    }
    case kSpaceLab:
        color = LabToRgb(swatch.w / 100, static_cast<std::int16_t>(swatch.x) / 100,
                         static_cast<std::int16_t>(swatch.y) / 100)
                    .value;
        return true;
    case kSpaceGray: {
        const float gray = Fraction(swatch.w, 10000.0f);
        color = FloatRgbToColor(gray, gray, gray).value;
        return true;
    }
    case kSpaceWideCmyk:
        color = FloatRgbToColor(CmykToRgb(Fraction(swatch.w, 10000.0f), Fraction(swatch.x, 10000.0f),
                                          Fraction(swatch.y, 10000.0f), Fraction(swatch.z, 10000.0f)))
                    .value;
        return true;
    default:
        color = 0;
        return false;
    }
}

AcoSwatch SwatchFromColor(std::uint32_t color)
{
    return {kSpaceRgb, static_cast<std::uint16_t>((color & 0xFF) * 257),
            static_cast<std::uint16_t>((color >> 8 & 0xFF) * 257),
            static_cast<std::uint16_t>((color >> 16 & 0xFF) * 257), 0};
}

void WriteAcoPalette(jx_STREAM* stream, const CPaletteSlots& slots, const jx_SORTEDCOLLECTION* names)
{
    // Slots beyond what a section can count are not written: a larger count
    // would wrap and misalign every reader of the file.
    const int count = std::min(slots.LastUsed() + 1, kMaxSwatches);
    BigEndianWords bigEndian(stream);
    stream->WriteWord(1);
    stream->WriteWord(static_cast<std::uint16_t>(count));
    for (int i = 0; i < count; ++i)
        WriteSwatch(stream, SwatchFromColor(slots.At(i)));
    stream->WriteWord(2);
    stream->WriteWord(static_cast<std::uint16_t>(count));
    for (int i = 0; i < count; ++i) {
        const char16_t* text = FirstColorName(names, slots.At(i));
        std::u16string_view name = text ? text : u"";
        name = name.substr(0, kMaxWrittenName);
        WriteSwatch(stream, SwatchFromColor(slots.At(i)));
        stream->WriteWord(0);
        stream->WriteWord(static_cast<std::uint16_t>(name.size() + 1));
        for (const char16_t unit : name)
            stream->WriteWord(unit);
        stream->WriteWord(0);
    }
}

void ReadAcoPalette(jx_STREAM* stream, jx_COLLECTION* colors, jx_SORTEDCOLLECTION* names, PaletteHost& host)
{
    BigEndianWords bigEndian(stream);
    int version = stream->ReadWord();
    int count = std::max(stream->ReadWord(), 0);
    const std::int32_t afterHeader = stream->Tell();
    if (version == 1) {
        stream->Seek(count * kSwatchBytes, 1);
        version = stream->ReadWord();
        if (stream->IsEOF()) {
            // No second section: the first is all there is.
            stream->Seek(afterHeader, 0);
            version = 1;
        } else {
            count = std::max(stream->ReadWord(), 0);
        }
    }
    if (version == 1)
        ReadVersion1Swatches(stream, count, colors, host);
    else if (version == 2)
        ReadVersion2Swatches(stream, count, colors, names, host);
}

bool IsEmptyAcoFile(const unsigned char* bytes, int count)
{
    constexpr unsigned char kEmpty[] = {0, 1, 0, 0, 0, 2, 0, 0};
    return (count == 4 || count == 8) && std::memcmp(bytes, kEmpty, static_cast<std::size_t>(count)) == 0;
}
