#include "palette/formats/AsePalette.h"

#include <algorithm>
#include <cmath>
#include <cstring>
#include <string>
#include <vector>

#include "color/FloatColor.h"
#include "color/SwatchColorSpaces.h"
#include "palette/ColorNameTable.h"
#include "palette/PaletteSlots.h"
#include "palette/formats/PaletteLists.h"

namespace {

constexpr unsigned char kMagic[] = {'A', 'S', 'E', 'F'};
constexpr int kHeaderBytes = 12;
constexpr int kBlockHeaderBytes = 6;
constexpr std::uint16_t kGroupStart = 0xC001;
constexpr std::uint16_t kSwatch = 0x0001;
constexpr std::uint16_t kNormalSwatch = 2;
constexpr std::size_t kLongestName = 65534;
// No real swatch block comes near this; a longer one is stepped over unread.
constexpr std::uint32_t kLongestReadBlock = 1 << 20;

// Big-endian fields of one block's bytes; reading past the end gives
// false and zeros, never a byte beyond the block.
class BlockReader {
public:
    explicit BlockReader(const std::vector<unsigned char>& bytes) : bytes(bytes) {}

    bool Word(std::uint16_t& value)
    {
        if (!Has(2))
            return false;
        value = static_cast<std::uint16_t>(bytes[at] << 8 | bytes[at + 1]);
        at += 2;
        return true;
    }
    bool Float(float& value)
    {
        if (!Has(4))
            return false;
        const std::uint32_t word =
            static_cast<std::uint32_t>(bytes[at]) << 24 | bytes[at + 1] << 16 | bytes[at + 2] << 8 | bytes[at + 3];
        std::memcpy(&value, &word, sizeof value);
        at += 4;
        return true;
    }
    bool Text(std::size_t count, std::string& text)
    {
        if (!Has(count))
            return false;
        text.assign(reinterpret_cast<const char*>(bytes.data() + at), count);
        at += count;
        return true;
    }
    // A name: its length in units with the terminator, then the units; the
    // name ends at its first zero unit.
    bool Name(std::u16string& name)
    {
        std::uint16_t length = 0;
        if (!Word(length))
            return false;
        name.clear();
        bool ended = false;
        for (std::uint16_t i = 0; i < length; ++i) {
            std::uint16_t unit = 0;
            if (!Word(unit))
                return false;
            ended = ended || unit == 0;
            if (!ended)
                name.push_back(static_cast<char16_t>(unit));
        }
        return true;
    }

private:
    bool Has(std::size_t count) const { return count <= bytes.size() - at; }

    const std::vector<unsigned char>& bytes;
    std::size_t at = 0;
};

// A component as a fraction: what is no number counts as 0, the rest (the
// infinities too) is kept within 0..1.
float Fraction(float value) { return std::isnan(value) ? 0.0f : std::clamp(value, 0.0f, 1.0f); }

// RGB and gray round to the nearest byte of the value stored, so that a
// swatch that stores 174/255 is 174 (the truncating rule of the float
// colors would make it 173), and 0.7f, which is 0.69999998, is 178: the
// product is taken in double, where single precision would round it up.
std::uint32_t Byte(float value)
{
    return static_cast<std::uint32_t>(std::lround(static_cast<double>(Fraction(value)) * 255.0));
}

double Within(float value, double low, double high)
{
    return std::isnan(value) ? 0.0 : std::clamp(static_cast<double>(value), low, high);
}

// The color of a swatch's model and components; false for a model this
// reader does not know or components missing.
bool SwatchColor(BlockReader& block, const std::string& model, std::uint32_t& color)
{
    float c[4] = {};
    const int count = model == "CMYK" ? 4 : model == "RGB " || model == "LAB " ? 3 : model == "Gray" ? 1 : 0;
    if (count == 0)
        return false;
    for (int i = 0; i < count; ++i)
        if (!block.Float(c[i]))
            return false;
    if (model == "RGB ")
        color = Byte(c[0]) | Byte(c[1]) << 8 | Byte(c[2]) << 16;
    else if (model == "Gray")
        color = Byte(c[0]) * 0x010101u;
    else if (model == "CMYK")
        color = FloatRgbToColor(CmykToRgb(Fraction(c[0]), Fraction(c[1]), Fraction(c[2]), Fraction(c[3]))).value;
    else // L is stored as a fraction of 100; a and b as they are
        color = CieLabD50ToRgb(Within(c[0], 0.0, 1.0) * 100.0, Within(c[1], -128.0, 127.0), Within(c[2], -128.0, 127.0))
                    .value;
    color &= 0xFFFFFF;
    return true;
}

std::uint32_t ReadBigEndian32(const unsigned char* bytes)
{
    return static_cast<std::uint32_t>(bytes[0]) << 24 | bytes[1] << 16 | bytes[2] << 8 | bytes[3];
}

// Empty slots up to the start of the next row.
void StartRow(jx_COLLECTION* colors)
{
    while (colors->Count() % CPaletteSlots::kColumns != 0)
        AppendColor(colors, EMPTY_SLOT);
}

} // namespace

void WriteAsePalette(jx_STREAM* stream, const CPaletteSlots& slots, const jx_SORTEDCOLLECTION* names)
{
    const int last = slots.LastUsed();
    const auto count = static_cast<std::uint32_t>(last + 1);
    stream->SetWordOrder(kWordOrderBigEndian);
    stream->Write(kMagic, sizeof kMagic);
    const auto word32 = [stream](std::uint32_t value) {
        stream->WriteWord(static_cast<std::uint16_t>(value >> 16));
        stream->WriteWord(static_cast<std::uint16_t>(value & 0xFFFF));
    };
    stream->WriteWord(1);
    stream->WriteWord(0);
    word32(count);
    for (int i = 0; i <= last; ++i) {
        const std::uint32_t value = slots.At(i);
        const char16_t* found = value == EMPTY_SLOT ? nullptr : FirstColorName(names, value);
        // A name's length is a 16-bit count with the terminator.
        const std::u16string_view name = std::u16string_view(found ? found : u"").substr(0, kLongestName);
        const std::uint32_t color = value == EMPTY_SLOT ? 0 : value;
        stream->WriteWord(kSwatch);
        word32(static_cast<std::uint32_t>(2 + 2 * (name.size() + 1) + 4 + 3 * 4 + 2));
        stream->WriteWord(static_cast<std::uint16_t>(name.size() + 1));
        for (const char16_t unit : name)
            stream->WriteWord(unit);
        stream->WriteWord(0);
        stream->Write("RGB ", 4);
        for (int shift = 0; shift < 24; shift += 8) {
            const float component = static_cast<float>(color >> shift & 0xFF) / 255.0f;
            std::uint32_t bits = 0;
            std::memcpy(&bits, &component, sizeof bits);
            word32(bits);
        }
        stream->WriteWord(kNormalSwatch);
    }
}

bool IsAseFile(const unsigned char* bytes, int count)
{
    return count >= 4 && std::memcmp(bytes, kMagic, sizeof kMagic) == 0;
}

void ReadAsePalette(jx_STREAM* stream, jx_COLLECTION* colors, jx_SORTEDCOLLECTION* names, PaletteHost&)
{
    unsigned char header[kHeaderBytes];
    if (stream->Read(header, kHeaderBytes) != kHeaderBytes || !IsAseFile(header, kHeaderBytes))
        return;
    CColorNameBatch batch;
    std::vector<unsigned char> bytes;
    std::u16string name;
    std::string model;
    for (std::uint32_t blocks = ReadBigEndian32(header + 8); blocks > 0; --blocks) {
        unsigned char blockHeader[kBlockHeaderBytes];
        if (stream->Read(blockHeader, kBlockHeaderBytes) != kBlockHeaderBytes)
            break;
        const auto type = static_cast<std::uint16_t>(blockHeader[0] << 8 | blockHeader[1]);
        const std::uint32_t length = ReadBigEndian32(blockHeader + 2);
        if (length > kLongestReadBlock) {
            if (length > INT32_MAX || stream->Seek(static_cast<std::int32_t>(length), 1) != 0)
                break;
            continue;
        }
        bytes.resize(length);
        if (stream->Read(bytes.data(), static_cast<int>(length)) != static_cast<int>(length))
            break;
        if (type == kGroupStart) {
            StartRow(colors);
            continue;
        }
        BlockReader block(bytes);
        std::uint32_t color = 0;
        if (type != kSwatch || !block.Name(name) || !block.Text(4, model) || !SwatchColor(block, model, color))
            continue;
        AppendColor(colors, color == 0 && name.empty() ? EMPTY_SLOT : color);
        if (!name.empty())
            batch.Add(color, name);
    }
    batch.AddTo(names);
}
