#include "palette/formats/HtmlPalette.h"

#include <gtest/gtest.h>

#include "palette/formats/PaletteLists.h"
#include "tests/palette/PaletteTestSupport.h"

namespace {

constexpr std::uint32_t kRed = 0x0000FF;

ReadResult ReadHtml(const std::string& text) { return ReadWith(ReadHtmlPalette, text); }

std::string WriteHtml(const std::vector<std::uint32_t>& values, const jx_SORTEDCOLLECTION* names)
{
    const auto stream = NamedMemoryStream(u"palette.html");
    TestPaletteHost host;
    WriteHtmlPalette(stream.get(), SlotsOf(values), names, host);
    return StreamBytes(stream.get());
}

std::string Cells(const std::string& cells) { return "<table><tr>" + cells + "</tr></table>"; }

} // namespace

TEST(HtmlPaletteWriter, WritesTheFixtureByteForByte)
{
    const auto names = NameTable({{kRed, u"Red & <Rose>"}});
    std::vector<std::uint32_t> palette(10, EMPTY_SLOT);
    palette[0] = kRed;
    palette[1] = 0x0080FF;
    EXPECT_EQ(WriteHtml(palette, names.get()), ReadFileBytes(std::string(TEST_DATA_DIR) + "/palettes/ten-slots.html"));
}

TEST(HtmlPaletteWriter, EightCellsToARowAndNoRowForNoSlots)
{
    const auto countOf = [](const std::string& text, const std::string& what) {
        int count = 0;
        for (std::size_t i = 0; (i = text.find(what, i)) != std::string::npos; i += what.size())
            ++count;
        return count;
    };
    const std::string sixteen = WriteHtml(std::vector<std::uint32_t>(16, kRed), nullptr);
    EXPECT_EQ(countOf(sixteen, "<tr "), 2);
    EXPECT_EQ(countOf(sixteen, "<td "), 16);
    EXPECT_EQ(countOf(WriteHtml({}, nullptr), "<tr"), 0);
    EXPECT_EQ(countOf(WriteHtml({}, nullptr), "<table "), 1);
}

TEST(HtmlPaletteReader, WritersOutputReadsBackWithTrailingEmptySlots)
{
    const auto names = NameTable({{kRed, u"Red \u00E9"}, {0, u"Black"}});
    const std::vector<std::uint32_t> palette = {kRed, EMPTY_SLOT, 0, 0x123456, EMPTY_SLOT, EMPTY_SLOT};
    const ReadResult back = ReadHtml(WriteHtml(palette, names.get()));
    EXPECT_EQ(back.colors, palette);
    EXPECT_EQ(back.names, (std::vector<std::string>{"000000:Black", "0000ff:Red \xC3\xA9"}));
}

TEST(HtmlPaletteReader, ReadsBgcolorVariants)
{
    const ReadResult result = ReadHtml(Cells("<td bgcolor=\"#000000\"></td><td bgcolor=\"#FF8000\"></td>"
                                             "<td bgcolor=\"#ff8\"></td><td bgcolor=\"ff8000\"></td>"
                                             "<td bgcolor=\"red\"></td><td bgcolor=\"\">text</td><td>x</td>"));
    EXPECT_EQ(result.colors,
              (std::vector<std::uint32_t>{0, 0x0080FF, 0x0008FF, 0x0000F8, 0x0000ED, EMPTY_SLOT, EMPTY_SLOT}));
    EXPECT_TRUE(result.names.empty());
}

TEST(HtmlPaletteReader, NamesEachPairOnce)
{
    const ReadResult result = ReadHtml(Cells("<td bgcolor='#010203'>A</td><td bgcolor='#010203'>A</td>"
                                             "<td bgcolor='#010203'> B </td>"));
    EXPECT_EQ(result.colors.size(), 3u);
    EXPECT_EQ(result.names, (std::vector<std::string>{"030201:A", "030201:B"}));
}

TEST(HtmlPaletteReader, FindsTheFirstTableOfAPageAndItsSections)
{
    const ReadResult result = ReadHtml("<!DOCTYPE html><html><body><p>Colors<br>below</p>"
                                       "<TABLE><THEAD><TR><TH>name</TH></TR></THEAD><TBODY>"
                                       "<TR><TD bgcolor=\"#0000ff\">Blue</TD></TR></TBODY></TABLE>"
                                       "<table><tr><td bgcolor=\"#ffffff\"></td></tr></table></body></html>");
    EXPECT_EQ(result.colors, std::vector<std::uint32_t>{0xFF0000});
    EXPECT_EQ(result.names, std::vector<std::string>{"ff0000:Blue"});
}

TEST(HtmlPaletteReader, RowsOfEverySectionCountInTheirOrder)
{
    const ReadResult result = ReadHtml("<table><thead><tr><td bgcolor='#000001'></td></tr></thead>"
                                       "<tfoot><tr><td bgcolor='#000003'></td></tr></tfoot>"
                                       "<tbody><tr><td bgcolor='#000002'></td></tr></tbody></table>");
    EXPECT_EQ(result.colors, (std::vector<std::uint32_t>{0x010000, 0x030000, 0x020000}));
}

TEST(HtmlPaletteReader, NonBreakingSpacesAroundANameAreLayoutAndWithinItPartOfIt)
{
    const ReadResult result = ReadHtml(Cells("<td bgcolor='#010203'>\xC2\xA0 Old\xC2\xA0Rose \xC2\xA0</td>"));
    EXPECT_EQ(result.names, std::vector<std::string>{"030201:Old\xC2\xA0Rose"});
}

TEST(HtmlPaletteReader, UpperCaseAttributesKeepTheirColorAndName)
{
    const ReadResult result = ReadHtml(Cells("<TD BGCOLOR=\"#ff0000\">Red</TD>"));
    EXPECT_EQ(result.colors, std::vector<std::uint32_t>{0x0000FF});
    EXPECT_EQ(result.names, std::vector<std::string>{"0000ff:Red"});
}

TEST(HtmlPaletteReader, ACellCutOffInsideItsTagIsNoSlot)
{
    const ReadResult result = ReadHtml("<table><tr><td bgcolor=\"#ff0000\"></td><td bgcolor=\"#00");
    EXPECT_EQ(result.colors, std::vector<std::uint32_t>{0x0000FF});
}

TEST(HtmlPaletteReader, TextWithoutATableYieldsNothing)
{
    EXPECT_TRUE(ReadHtml("just some words, no markup at all").colors.empty());
    EXPECT_TRUE(ReadHtml("<table").colors.empty());
    EXPECT_TRUE(ReadHtml("gimp palette\n1 2 3\n").colors.empty());
}
