#include "palette/formats/GimpPalette.h"

#include <gtest/gtest.h>

#include "palette/formats/PaletteLists.h"
#include "tests/palette/PaletteTestSupport.h"

namespace {

constexpr std::uint32_t kRed = 0x0000FF;
constexpr std::uint32_t kBlue = 0xFF0000;

ReadResult ReadGimp(const std::string& text)
{
    return ReadWith([](jx_STREAM* stream, jx_COLLECTION* colors, jx_SORTEDCOLLECTION* names,
                       PaletteHost&) { ReadGimpPalette(stream, colors, names); },
                    text);
}

std::string WriteGimp(const std::vector<std::uint32_t>& values, const jx_SORTEDCOLLECTION* names,
                      const std::u16string& fileName = u"palette.gpl")
{
    const auto stream = NamedMemoryStream(fileName);
    WriteGimpPalette(stream.get(), SlotsOf(values), names);
    return StreamBytes(stream.get());
}

const std::string kHeader = "GIMP Palette\nName: palette\n#\n";

} // namespace

TEST(GimpPaletteWriter, WritesTheFixtureByteForByte)
{
    const auto names = NameTable({{kRed, u"Red"}, {kBlue, u"Blue"}});
    EXPECT_EQ(WriteGimp({kRed, EMPTY_SLOT, 0x808080, kBlue, EMPTY_SLOT}, names.get(), u"C:\\pal\\Warm colors.gpl"),
              ReadFileBytes(std::string(TEST_DATA_DIR) + "/palettes/four-slots.gpl"));
}

TEST(GimpPaletteWriter, EmptyPalettesGetOnlyTheHeader)
{
    EXPECT_EQ(WriteGimp({}, nullptr), kHeader);
    EXPECT_EQ(WriteGimp({EMPTY_SLOT, EMPTY_SLOT}, nullptr), kHeader);
}

TEST(GimpPaletteWriter, ASingleUsedSlotAtIndexZeroIsWritten)
{
    EXPECT_EQ(WriteGimp({kRed, EMPTY_SLOT, EMPTY_SLOT}, nullptr), kHeader + "255   0   0\t\n");
}

TEST(GimpPaletteWriter, NamesThePaletteAfterItsFileWithoutTheExtension)
{
    EXPECT_EQ(WriteGimp({}, nullptr, u"C:\\a.b\\Colors"), "GIMP Palette\nName: Colors\n#\n");
    EXPECT_EQ(WriteGimp({}, nullptr, u"x:my.palette.gpl"), "GIMP Palette\nName: my.palette\n#\n");
    EXPECT_EQ(WriteGimp({}, nullptr, u""), "GIMP Palette\nName: \n#\n");
}

TEST(GimpPaletteWriter, RepeatedColorsAllCarryTheFirstName)
{
    const auto names = NameTable({{kRed, u"Scarlet"}, {kRed, u"Red"}});
    EXPECT_EQ(WriteGimp({kRed, kRed}, names.get()), kHeader + "255   0   0\tRed\n255   0   0\tRed\n");
}

TEST(GimpPaletteWriter, LongAndMultiLineNamesStayOnTheirLine)
{
    std::string longUtf8;
    for (int i = 0; i < 126; ++i)
        longUtf8 += "\xC3\xA9";
    const std::u16string longName(300, u'\u00E9'); // two UTF-8 bytes each
    const auto names = NameTable({{kRed, longName}, {kBlue, u"two\r\nlines"}});
    // 253 bytes hold 126 whole characters; line breaks become spaces.
    EXPECT_EQ(WriteGimp({kRed, kBlue}, names.get()),
              kHeader + "255   0   0\t" + longUtf8 + "\n  0   0 255\ttwo  lines\n");
}

TEST(GimpPaletteReader, ReadsColorsNamesAndEmptySlots)
{
    const ReadResult result = ReadGimp(ReadFileBytes(std::string(TEST_DATA_DIR) + "/palettes/four-slots.gpl"));
    EXPECT_EQ(result.colors, (std::vector<std::uint32_t>{kRed, EMPTY_SLOT, 0x808080, kBlue}));
    EXPECT_EQ(result.names, (std::vector<std::string>{"0000ff:Red", "ff0000:Blue"}));
}

TEST(GimpPaletteReader, SkipsCommentsColumnLinesAndLinesWithoutThreeNumbers)
{
    const ReadResult result = ReadGimp("GIMP Palette\nName: x\nColumns: 16\n# comment\n\n12 34\n1 2 3\n");
    EXPECT_EQ(result.colors, std::vector<std::uint32_t>{0x030201});
}

TEST(GimpPaletteReader, TheNameIsEverythingAfterTheFirstTab)
{
    const ReadResult result = ReadGimp(kHeader + "255 0 0\n255 0 0 Red\n255\t0\t0\tRed\n");
    EXPECT_EQ(result.colors, (std::vector<std::uint32_t>{kRed, kRed, kRed}));
    EXPECT_EQ(result.names, std::vector<std::string>{"0000ff:0\t0\tRed"});
}

TEST(GimpPaletteReader, BlackIsEmptyOnlyWithoutAName)
{
    const ReadResult result = ReadGimp(kHeader + "0 0 0\tBlack\n0 0 0\t\n0 0 0\n256 0 0\n");
    EXPECT_EQ(result.colors, (std::vector<std::uint32_t>{0, EMPTY_SLOT, EMPTY_SLOT, 0}));
    EXPECT_EQ(result.names, std::vector<std::string>{"000000:Black"});
}

TEST(GimpPaletteReader, ComponentsKeepTheirLowEightBits)
{
    const ReadResult result = ReadGimp(kHeader + "256 300 -1\n1000 0 0\n+12 -0 7\n");
    // "1000" is read as 100 then 0 then 0: each number is at most three characters.
    EXPECT_EQ(result.colors, (std::vector<std::uint32_t>{0xFF2C00, 0x000064, 0x07000C}));
}

TEST(GimpPaletteReader, NamesEachPairOnce)
{
    const ReadResult result = ReadGimp(kHeader + "1 2 3\tA\n1 2 3\tA\n1 2 3\tB\n");
    EXPECT_EQ(result.colors.size(), 3u);
    EXPECT_EQ(result.names, (std::vector<std::string>{"030201:A", "030201:B"}));
}

TEST(GimpPaletteReader, AcceptsCrLfAndALastLineWithoutLf)
{
    const ReadResult result = ReadGimp("GIMP Palette\r\nName: x\r\n#\r\n1 2 3\tOne\r\n4 5 6\tSix");
    EXPECT_EQ(result.colors, (std::vector<std::uint32_t>{0x030201, 0x060504}));
    EXPECT_EQ(result.names, (std::vector<std::string>{"030201:One", "060504:Six"}));
}

TEST(GimpPaletteReader, NeedsTheMagicLine)
{
    EXPECT_TRUE(ReadGimp("gimp palette\n1 2 3\n").colors.empty());
    EXPECT_TRUE(ReadGimp("").colors.empty());
    EXPECT_EQ(ReadGimp("GIMP Palettes\n1 2 3\n").colors.size(), 1u);
}

TEST(GimpPaletteReader, NonAsciiNamesSurviveWritingAndReading)
{
    const auto names = NameTable({{kRed, u"Czerwie\u0144 \u8D64"}});
    const ReadResult back = ReadGimp(WriteGimp({kRed}, names.get()));
    EXPECT_EQ(back.names, std::vector<std::string>{"0000ff:Czerwie\xC5\x84 \xE8\xB5\xA4"});
}

TEST(GimpPaletteReader, WritersOutputReadsBackAsTheSamePalette)
{
    const std::vector<std::uint32_t> palette = {EMPTY_SLOT, 0x000000, kRed, EMPTY_SLOT, kBlue};
    const auto names = NameTable({{0x000000, u"Black"}, {kBlue, u"Blue"}});
    const ReadResult back = ReadGimp(WriteGimp(palette, names.get()));
    EXPECT_EQ(back.colors, palette);
    EXPECT_EQ(back.names, (std::vector<std::string>{"000000:Black", "ff0000:Blue"}));
}
