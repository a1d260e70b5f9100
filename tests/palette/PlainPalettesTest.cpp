#include "palette/formats/PlainPalettes.h"

#include <gtest/gtest.h>

#include "palette/formats/PaletteDispatch.h"
#include "tests/palette/PaletteTestSupport.h"

namespace {

// What the dispatch reads from the bytes, as packed colors.
std::vector<std::uint32_t> Colors(const std::string& bytes)
{
    return ReadWith([](jx_STREAM* stream, jx_COLLECTION* colors, jx_SORTEDCOLLECTION* names,
                       PaletteHost& host) { ReadPaletteStream(stream, colors, names, host); },
                    bytes)
        .colors;
}

std::string Riff(std::uint16_t count, const std::string& entries)
{
    const auto little = [](std::uint32_t value, int bytes) {
        std::string out;
        for (int i = 0; i < bytes; ++i)
            out.push_back(static_cast<char>(value >> (8 * i) & 0xFF));
        return out;
    };
    const std::string data = little(0x0300, 2) + little(count, 2) + entries;
    // An unknown chunk before the data is stepped over.
    return "RIFF" + little(static_cast<std::uint32_t>(4 + 14 + 8 + data.size()), 4) + "PAL " + "fact" + little(5, 4) +
           std::string("12345\0", 6) + "data" + little(static_cast<std::uint32_t>(data.size()), 4) + data;
}

} // namespace

TEST(PlainPalettes, EachFormatIsKnownByItsStartAndGivesItsColors)
{
    EXPECT_EQ(Colors("JASC-PAL\r\n0100\r\n3\r\n255 0 0\r\n0 128 255\r\n300 0 0\r\n1 2 3\r\n"),
              (std::vector<std::uint32_t>{0x0000FF, 0xFF8000, 0x030201}));
    EXPECT_EQ(Colors(Riff(2, std::string("\xFF\x00\x00\x00\x10\x20\x30\x00", 8))),
              (std::vector<std::uint32_t>{0x0000FF, 0x302010}));
    EXPECT_EQ(Colors("; paint.net Palette File\n; Colors: 2\nFFFF0000\n80102030\nnot a color\n"),
              (std::vector<std::uint32_t>{0x0000FF, 0x302010}));
    EXPECT_EQ(Colors("#ff0000\n\n102030\r\n#12345\nzzzzzz\n  #0000FF  \n"),
              (std::vector<std::uint32_t>{0x0000FF, 0x302010, 0xFF0000}));
}

TEST(PlainPalettes, APaintNetPaletteWithoutCommentsIsKnownByItsLines)
{
    EXPECT_EQ(Colors("FFFF0000\r\n80102030\r\n\r\nff00ff00\r\n"),
              (std::vector<std::uint32_t>{0x0000FF, 0x302010, 0x00FF00}));
    // Many lines: the last one looked at is cut off in the middle.
    std::string many;
    for (int i = 0; i < 40; ++i)
        many += "FF00000" + std::to_string(i % 10) + "\n";
    EXPECT_EQ(Colors(many).size(), 40u);
    // One line that is no color among them, or lines of seven digits: no
    // Paint.NET palette (and no colors as markup either).
    EXPECT_TRUE(Colors("FFFF0000\nFF00FF00\nred\nFF0000FF\n").empty());
    EXPECT_TRUE(Colors("FFFF000\nFF00FF0\nFF0000F\n").empty());
}

TEST(PlainPalettes, JascComponentsStopAt255)
{
    EXPECT_EQ(Colors("JASC-PAL\n0100\n5\n255 255 255\n256 0 0\n0 256 0\n0 0 256\n-1 0 0\n0 0 0\n"),
              (std::vector<std::uint32_t>{0xFFFFFF, 0x000000}));
}

TEST(PlainPalettes, CountsThatPromiseMoreThanTheFileHoldsEndAtItsEnd)
{
    EXPECT_EQ(Colors(Riff(65535, std::string("\x01\x02\x03\x00\x04\x05", 6))), std::vector<std::uint32_t>{0x030201});
    // A count beyond its chunk, another chunk after it: that chunk's bytes
    // are no colors.
    EXPECT_EQ(Colors(Riff(4, std::string("\x01\x02\x03\x00\x04\x05\x06\x00", 8)) + "LIST" +
                     std::string("\x04\x00\x00\x00\x07\x08\x09\x00", 8)),
              (std::vector<std::uint32_t>{0x030201, 0x060504}));
    // Text that is none of these still goes to the markup reader: nothing.
    EXPECT_TRUE(Colors("Just some words that are not a palette at all.\n").empty());
}
