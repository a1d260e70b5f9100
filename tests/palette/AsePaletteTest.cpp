#include "palette/formats/AsePalette.h"

#include <gtest/gtest.h>

#include <cmath>
#include <cstring>
#include <limits>

#include "palette/PaletteSlots.h"
#include "tests/palette/PaletteTestSupport.h"

namespace {

// Swatch exchange bytes, big-endian, built block by block.
class AseBytes {
public:
    explicit AseBytes(std::uint32_t blocks, std::uint16_t major = 1, std::uint16_t minor = 0)
    {
        bytes = "ASEF";
        Word(major);
        Word(minor);
        Long(blocks);
    }
    AseBytes& Group(const std::u16string& name)
    {
        Block(0xC001, Name(name));
        return *this;
    }
    AseBytes& End()
    {
        Block(0xC002, "");
        return *this;
    }
    AseBytes& Swatch(const std::u16string& name, const char* model, std::initializer_list<float> values)
    {
        std::string data = Name(name) + model;
        for (const float value : values) {
            std::uint32_t word = 0;
            std::memcpy(&word, &value, 4);
            data += BigEndian(word, 4);
        }
        Block(0x0001, data + BigEndian(2, 2));
        return *this;
    }
    AseBytes& Raw(const std::string& more)
    {
        bytes += more;
        return *this;
    }
    std::string bytes;

private:
    static std::string BigEndian(std::uint32_t value, int count)
    {
        std::string out;
        for (int i = count - 1; i >= 0; --i)
            out.push_back(static_cast<char>(value >> (8 * i) & 0xFF));
        return out;
    }
    static std::string Name(const std::u16string& name)
    {
        std::string out = BigEndian(static_cast<std::uint32_t>(name.size() + 1), 2);
        for (const char16_t unit : name)
            out += BigEndian(unit, 2);
        return out + BigEndian(0, 2);
    }
    void Word(std::uint16_t value) { bytes += BigEndian(value, 2); }
    void Long(std::uint32_t value) { bytes += BigEndian(value, 4); }
    void Block(std::uint16_t type, const std::string& data)
    {
        Word(type);
        Long(static_cast<std::uint32_t>(data.size()));
        bytes += data;
    }
};

ReadResult Read(const std::string& bytes) { return ReadWith(ReadAsePalette, bytes); }

} // namespace

TEST(AsePalette, EachGroupStartsARowAndComponentsAreKeptInTheirRange)
{
    const float nan = std::numeric_limits<float>::quiet_NaN();
    const float infinity = std::numeric_limits<float>::infinity();
    AseBytes file(6);
    file.Swatch(u"loose", "RGB ", {1, 0, 0})
        .Group(u"first")
        .Swatch(u"odd", "RGB ", {nan, infinity, -2})
        .End()
        .Group(u"never ended")
        .Swatch(u"\xD800 alone", "Gray", {0.5f});
    const ReadResult read = Read(file.bytes);
    std::vector<std::uint32_t> expected(25, EMPTY_SLOT);
    expected[0] = 0x0000FF;
    expected[12] = 0x00FF00;
    expected[24] = 0x808080;
    EXPECT_EQ(read.colors, expected);
    EXPECT_EQ(read.names, (std::vector<std::string>{"0000ff:loose", "00ff00:odd", "808080:\xEF\xBF\xBD alone"}));
}

TEST(AsePalette, BlocksThatLieAboutTheirLengthsOrCountEndTheFileQuietly)
{
    // More blocks promised than there are; a swatch of a model nobody
    // knows and one whose name runs past its block are passed over.
    AseBytes file(0xFFFFFFFF);
    file.Swatch(u"one", "RGB ", {0, 0, 1}).Swatch(u"xyz", "XYZ ", {1, 1, 1});
    file.Raw(std::string("\0\1\0\0\0\4\xFF\xFF\0\0", 10)).Swatch(u"two", "Gray", {1});
    EXPECT_EQ(Read(file.bytes).colors, (std::vector<std::uint32_t>{0xFF0000, 0xFFFFFF}));
    // A length past the end of the file, and one of two gigabytes.
    for (const char* length : {"\0\0\1\0", "\x7F\xFF\xFF\xFF"}) {
        AseBytes cut(3);
        cut.Swatch(u"kept", "RGB ", {1, 1, 1}).Raw(std::string("\0\1", 2) + std::string(length, 4) + "abc");
        EXPECT_EQ(Read(cut.bytes).colors, std::vector<std::uint32_t>{0xFFFFFF});
    }
    EXPECT_TRUE(Read(AseBytes(2).bytes.substr(0, 10)).colors.empty());
}
