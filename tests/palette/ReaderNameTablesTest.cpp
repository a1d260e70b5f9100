// The name table every reader builds from a file of repeated (color, name)
// pairs in scrambled order: the expected tables are the ones the readers
// built when they still added one pair at a time (search, then insert), so
// any faster way of building them must give the same entries in the same
// order.
#include <gtest/gtest.h>

#include "palette/formats/AcoPalette.h"
#include "palette/formats/GimpPalette.h"
#include "palette/formats/HtmlPalette.h"
#include "tests/palette/PaletteTestSupport.h"

namespace {

struct Pair {
    std::uint32_t color;
    std::u16string name;
};

// 60 pairs drawn from six colors (two of them far apart as signed words)
// and six names (case, a trailing space, a non-ASCII letter).
std::vector<Pair> ScrambledPairs()
{
    const std::uint32_t colors[] = {0x000001, 0x0000FF, 0xFF0000, 0x808080, 0x00FF00, 0x010000};
    const std::u16string names[] = {u"b", u"a", u"B", u"\u00e4", u"a ", u"aa"};
    std::vector<Pair> pairs;
    std::uint32_t state = 12345;
    for (int i = 0; i < 60; ++i) {
        state = state * 1103515245 + 12345;
        pairs.push_back({colors[(state >> 16) % 6], names[(state >> 8) % 6]});
    }
    return pairs;
}

std::string Utf8(const std::u16string& text) { return std::string(text.begin(), text.end()); }

std::string GimpText(const std::vector<Pair>& pairs)
{
    std::string text = "GIMP Palette\n#\n";
    for (const Pair& pair : pairs)
        text += std::to_string(pair.color & 0xFF) + " " + std::to_string(pair.color >> 8 & 0xFF) + " " +
                std::to_string(pair.color >> 16 & 0xFF) + "\t" +
                (pair.name == u"\u00e4" ? "\xc3\xa4" : Utf8(pair.name)) + "\n";
    return text;
}

std::string HtmlText(const std::vector<Pair>& pairs)
{
    std::string text = "<table><tr>";
    char color[8];
    for (const Pair& pair : pairs) {
        std::snprintf(color, sizeof color, "#%02x%02x%02x", pair.color & 0xFF, pair.color >> 8 & 0xFF,
                      pair.color >> 16 & 0xFF);
        text += std::string("<td bgcolor=\"") + color + "\">" + (pair.name == u"\u00e4" ? "&#228;" : Utf8(pair.name)) +
                "</td>";
    }
    return text + "</tr></table>";
}

std::string AcoBytes(const std::vector<Pair>& pairs)
{
    std::string bytes;
    const auto word = [&](int value) {
        bytes.push_back(static_cast<char>(value >> 8 & 0xFF));
        bytes.push_back(static_cast<char>(value & 0xFF));
    };
    word(2);
    word(static_cast<int>(pairs.size()));
    for (const Pair& pair : pairs) {
        word(0);
        word((pair.color & 0xFF) * 257);
        word((pair.color >> 8 & 0xFF) * 257);
        word((pair.color >> 16 & 0xFF) * 257);
        word(0);
        word(0);
        word(static_cast<int>(pair.name.size()) + 1);
        for (const char16_t unit : pair.name)
            word(unit);
        word(0);
    }
    return bytes;
}

} // namespace

TEST(ReaderNameTables, RepeatedPairsInScrambledOrderGiveTheSameTableInEveryReader)
{
    const std::vector<std::string> expected = {"000001:B",  "000001:a ", "000001:aa", "000001:b",      "000001:\u00e4",
                                               "0000ff:B",  "0000ff:a ", "0000ff:b",  "00ff00:B",      "00ff00:a",
                                               "00ff00:a ", "00ff00:aa", "00ff00:b",  "00ff00:\u00e4", "010000:B",
                                               "010000:a",  "010000:a ", "010000:aa", "010000:b",      "010000:\u00e4",
                                               "808080:B",  "808080:a",  "808080:a ", "808080:b",      "808080:\u00e4",
                                               "ff0000:a",  "ff0000:a ", "ff0000:aa", "ff0000:b"};
    // HTML takes the spaces around a name as layout: "a " is "a".
    std::vector<std::string> trimmed;
    for (std::string entry : expected) {
        if (entry.back() == ' ')
            entry.pop_back();
        if (trimmed.empty() || trimmed.back() != entry)
            trimmed.push_back(entry);
    }
    const std::vector<Pair> pairs = ScrambledPairs();
    EXPECT_EQ(ReadWith([](jx_STREAM* stream, jx_COLLECTION* colors, jx_SORTEDCOLLECTION* names,
                          PaletteHost&) { ReadGimpPalette(stream, colors, names); },
                       GimpText(pairs))
                  .names,
              expected);
    EXPECT_EQ(ReadWith(ReadAcoPalette, AcoBytes(pairs)).names, expected);
    EXPECT_EQ(ReadWith(ReadHtmlPalette, HtmlText(pairs)).names, trimmed);
}
