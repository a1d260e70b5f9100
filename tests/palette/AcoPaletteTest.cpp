#include "palette/formats/AcoPalette.h"

#include <gtest/gtest.h>

#include "palette/formats/PaletteLists.h"
#include "tests/palette/PaletteTestSupport.h"

namespace {

constexpr std::uint32_t kRed = 0x0000FF;
constexpr std::uint32_t kBlue = 0xFF0000;

// Big-endian 16-bit words, as swatch files store them.
std::string Words(std::initializer_list<int> words)
{
    std::string bytes;
    for (const int word : words) {
        bytes.push_back(static_cast<char>(word >> 8 & 0xFF));
        bytes.push_back(static_cast<char>(word & 0xFF));
    }
    return bytes;
}

struct AcoRead {
    ReadResult result;
    std::vector<std::string> reports;
};

AcoRead ReadAco(const std::string& bytes)
{
    AcoRead read;
    read.result = ReadWith(ReadAcoPalette, bytes, &read.reports);
    return read;
}

std::uint32_t ColorOf(std::initializer_list<int> swatch)
{
    const auto* w = swatch.begin();
    std::uint32_t color = 0;
    SwatchToColor({static_cast<std::uint16_t>(w[0]), static_cast<std::uint16_t>(w[1]), static_cast<std::uint16_t>(w[2]),
                   static_cast<std::uint16_t>(w[3]), static_cast<std::uint16_t>(w[4])},
                  color);
    return color;
}

} // namespace

TEST(AcoPaletteWriter, WritesBothSectionsInRgb)
{
    const auto stream = NamedMemoryStream(u"palette.aco");
    const auto names = NameTable({{kRed, u"Red"}});
    WriteAcoPalette(stream.get(), SlotsOf({kRed, EMPTY_SLOT, kBlue, EMPTY_SLOT}), names.get());
    EXPECT_EQ(StreamBytes(stream.get()), Words({1, 3, 0, 65535, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 65535, 0}) +
                                             Words({2, 3, 0, 65535, 0, 0, 0, 0, 4, 'R',   'e', 'd', 0, 0, 0,
                                                    0, 0, 0, 0,     1, 0, 0, 0, 0, 65535, 0,   0,   1, 0}));
    EXPECT_EQ(stream->GetWordOrder(), kWordOrderLittleEndian);
}

TEST(AcoPaletteWriter, EmptyPaletteGivesTwoEmptySectionsAndASingleFirstSlotIsKept)
{
    const auto empty = NamedMemoryStream(u"e.aco");
    WriteAcoPalette(empty.get(), SlotsOf({EMPTY_SLOT}), nullptr);
    EXPECT_EQ(StreamBytes(empty.get()), Words({1, 0, 2, 0}));
    const auto single = NamedMemoryStream(u"s.aco");
    WriteAcoPalette(single.get(), SlotsOf({kRed, EMPTY_SLOT}), nullptr);
    EXPECT_EQ(StreamBytes(single.get()), Words({1, 1, 0, 65535, 0, 0, 0, 2, 1, 0, 65535, 0, 0, 0, 0, 1, 0}));
}

TEST(AcoPaletteReader, ReadsWhatTheWriterWrote)
{
    const auto stream = NamedMemoryStream(u"palette.aco");
    const auto names = NameTable({{kRed, u"Red"}, {0, u"Black"}});
    const std::vector<std::uint32_t> palette = {kRed, EMPTY_SLOT, 0, kBlue, 0x123456};
    WriteAcoPalette(stream.get(), SlotsOf(palette), names.get());
    const AcoRead read = ReadAco(StreamBytes(stream.get()));
    EXPECT_EQ(read.result.colors, palette);
    EXPECT_EQ(read.result.names, (std::vector<std::string>{"000000:Black", "0000ff:Red"}));
}

TEST(AcoPaletteReader, LeavesTheStreamsWordOrderAsItWas)
{
    const auto stream = StreamOf(Words({2, 1, 0, 65535, 0, 0, 0, 0, 1, 0}));
    const jx_REF<jx_COLLECTION> colors(CreateColorList());
    const jx_REF<jx_SORTEDCOLLECTION> names(CreateColorNameTable());
    TestPaletteHost host;
    ReadAcoPalette(stream.get(), colors.get(), names.get(), host);
    EXPECT_EQ(colors->Count(), 1);
    EXPECT_EQ(stream->GetWordOrder(), kWordOrderLittleEndian);
}

TEST(AcoPaletteReader, VersionOneAloneKeepsBlackAsBlack)
{
    const AcoRead read = ReadAco(Words({1, 3, 0, 65535, 0, 0, 0, 0, 0, 65535, 0, 0, 0, 0, 0, 0, 0}));
    EXPECT_EQ(read.result.colors, (std::vector<std::uint32_t>{kRed, 0x00FF00, 0}));
}

TEST(AcoPaletteReader, TakesNamesFromTheSecondSection)
{
    // The first section says green; the second, which is read, says red.
    const AcoRead read = ReadAco(Words({1, 1, 0, 0, 65535, 0, 0}) + Words({2, 1, 0, 65535, 0, 0, 0, 0, 2, 'R', 0}));
    EXPECT_EQ(read.result.colors, std::vector<std::uint32_t>{kRed});
    EXPECT_EQ(read.result.names, std::vector<std::string>{"0000ff:R"});
}

TEST(AcoPaletteReader, ARepeatedNamedSwatchIsNamedOnce)
{
    const std::string red = Words({0, 65535, 0, 0, 0, 0, 2, 'R', 0});
    const AcoRead read = ReadAco(Words({2, 3}) + red + red + Words({0, 65535, 0, 0, 0, 0, 2, 'r', 0}));
    EXPECT_EQ(read.result.colors, (std::vector<std::uint32_t>{kRed, kRed, kRed}));
    EXPECT_EQ(read.result.names, (std::vector<std::string>{"0000ff:R", "0000ff:r"}));
}

TEST(AcoPaletteReader, ConvertsEveryColorSpace)
{
    struct Case {
        std::initializer_list<int> swatch;
        std::uint32_t color;
    };
    const Case cases[] = {
        {{0, 32768, 32896, 65535, 0}, 0xFF807F},     // RGB: 32768 -> 127, 128 * 257 -> 128
        {{1, 0, 65535, 65535, 0}, kRed},             // HSB: pure red
        {{2, 65535, 65535, 65535, 65535}, 0xFFFFFF}, // CMYK: no ink at all
        {{2, 65535, 65535, 65535, 0}, 0x000000},     // CMYK: full black ink
        {{2, 0, 65535, 65535, 65535}, 0xFFFF00},     // CMYK: full cyan
        {{7, 5000, 0xCE00, 12700, 0}, 0x005100},     // Lab 50, -128, 127
        {{8, 10000, 0, 0, 0}, 0xFFFFFF},             // grayscale white
        {{8, 5000, 0, 0, 0}, 0x7F7F7F},
        {{8, 0, 0, 0, 0}, 0x000000},
        {{9, 0, 0, 0, 0}, 0xFFFFFF}, // wide CMYK without ink
        {{9, 10000, 0, 0, 0}, 0xFFFF00},
    };
    for (const Case& c : cases)
        EXPECT_EQ(ColorOf(c.swatch), c.color) << c.swatch.begin()[0];
    std::uint32_t color = 1;
    EXPECT_FALSE(SwatchToColor({3, 1, 2, 3, 4}, color));
    EXPECT_EQ(color, 0u);
}

TEST(AcoPaletteReader, ReportsUnsupportedSpacesOncePerSwatch)
{
    const AcoRead read = ReadAco(Words({2, 2, 3, 1, 1, 1, 1, 0, 4, 'I', 'n', 'k', 0, 10, 1, 1, 1, 1, 0, 1, 0}));
    EXPECT_EQ(read.reports, (std::vector<std::string>(2, "Unknown color space. Send palette file to support")));
    // A named swatch is a named black slot; an unnamed one is empty.
    EXPECT_EQ(read.result.colors, (std::vector<std::uint32_t>{0, EMPTY_SLOT}));
    EXPECT_EQ(read.result.names, std::vector<std::string>{"000000:Ink"});
}

TEST(AcoPaletteReader, OddNameLengthsKeepTheFollowingSwatchesAligned)
{
    std::string bytes = Words({2, 4});
    // Length 0: no name words at all.
    bytes += Words({0, 65535, 0, 0, 0, 0, 0});
    // Length 300: 299 units and a terminator, more than the name buffer holds.
    bytes += Words({0, 0, 65535, 0, 0, 0, 300});
    for (int i = 0; i < 299; ++i)
        bytes += Words({'x'});
    bytes += Words({0});
    // Length counted without the terminator, and none written.
    bytes += Words({0, 0, 0, 65535, 0, 0, 3, 'A', 'b', 'c'});
    bytes += Words({0, 65535, 65535, 65535, 0, 0, 1, 0});
    const AcoRead read = ReadAco(bytes);
    EXPECT_EQ(read.result.colors, (std::vector<std::uint32_t>{kRed, 0x00FF00, kBlue, 0xFFFFFF}));
    ASSERT_EQ(read.result.names.size(), 2u);
    EXPECT_EQ(read.result.names[0], "00ff00:" + std::string(255, 'x'));
    EXPECT_EQ(read.result.names[1], "ff0000:Abc");
}

TEST(AcoPaletteReader, TruncatedFilesKeepTheWholeSwatches)
{
    const std::string whole = Words({2, 3, 0, 65535, 0, 0, 0, 0, 1, 0, 0, 0, 65535, 0, 0, 0, 1, 0});
    const AcoRead read = ReadAco(whole + Words({0, 0}));
    EXPECT_EQ(read.result.colors, (std::vector<std::uint32_t>{kRed, 0x00FF00}));
    // A count far beyond the data reads nothing more and stops at once.
    EXPECT_EQ(ReadAco(Words({1, 65535, 0, 1, 2})).result.colors.size(), 0u);
}

TEST(AcoPaletteReader, UnknownVersionsYieldNothing)
{
    EXPECT_TRUE(ReadAco(Words({1, 1, 0, 65535, 0, 0, 0, 3, 1, 0, 65535, 0, 0, 0})).result.colors.empty());
    EXPECT_TRUE(ReadAco(Words({1, 1, 0, 65535, 0, 0, 0, 0, 0})).result.colors.empty());
}

TEST(AcoPaletteWriter, WritesNoMoreSwatchesThanASectionCanCount)
{
    const auto stream = NamedMemoryStream(u"big.aco");
    WriteAcoPalette(stream.get(), SlotsOf(std::vector<std::uint32_t>(70000, kRed)), nullptr);
    const std::string bytes = StreamBytes(stream.get());
    EXPECT_EQ(bytes.substr(0, 4), Words({1, 65535}));
    const AcoRead read = ReadAco(bytes);
    EXPECT_EQ(read.result.colors.size(), 65535u);
}
