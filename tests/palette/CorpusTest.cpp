// Real palette files made by other programs: every reader must get through
// all of them, and the swatch and HTML files must give their colors.
#include <gtest/gtest.h>

#include <algorithm>
#include <cstdlib>
#include <filesystem>

#include "palette/formats/PaletteDispatch.h"
#include "palette/formats/PaletteLists.h"
#include "tests/palette/PaletteTestSupport.h"

namespace {

namespace fs = std::filesystem;

const fs::path kCorpus = CORPUS_DIR;

struct CorpusRead {
    ReadResult result;
    std::vector<std::string> reports;
};

CorpusRead ReadCorpusFile(const fs::path& file)
{
    CorpusRead read;
    read.result = ReadWith([](jx_STREAM* stream, jx_COLLECTION* colors, jx_SORTEDCOLLECTION* names,
                              PaletteHost& host) { ReadPaletteStream(stream, colors, names, host); },
                           ReadFileBytes(file.string()), &read.reports);
    return read;
}

std::vector<fs::path> CorpusFiles(const char* folder)
{
    std::vector<fs::path> files;
    for (const auto& entry : fs::directory_iterator(kCorpus / folder))
        files.push_back(entry.path());
    std::sort(files.begin(), files.end());
    return files;
}

class Corpus : public ::testing::Test {
protected:
    void SetUp() override
    {
        // A developer's machine may lack the corpus; CI must not.
        if (!fs::is_directory(kCorpus)) {
            if (std::getenv("CI"))
                FAIL() << "no corpus of real palette files at " << kCorpus << " (CI is set)";
            GTEST_SKIP() << "no corpus of real palette files at " << kCorpus;
        }
    }
};

} // namespace

TEST_F(Corpus, EverySwatchFileGivesItsColors)
{
    for (const fs::path& file : CorpusFiles("aco")) {
        const CorpusRead read = ReadCorpusFile(file);
        EXPECT_FALSE(read.result.colors.empty()) << file;
        EXPECT_TRUE(read.reports.empty()) << file;
    }
}

TEST_F(Corpus, SwatchNamesInOtherScriptsArrive)
{
    const CorpusRead read = ReadCorpusFile(kCorpus / "aco" / "gh-kdybicz_adobe-color-swatch__examples__utf.aco");
    ASSERT_FALSE(read.result.names.empty());
    bool nonAscii = false;
    for (const std::string& name : read.result.names)
        for (const char c : name)
            nonAscii = nonAscii || static_cast<unsigned char>(c) >= 0x80;
    EXPECT_TRUE(nonAscii);
}

TEST_F(Corpus, NamesWithoutTerminatorsKeepTheirLastLetter)
{
    const CorpusRead read = ReadCorpusFile(
        kCorpus / "aco" /
        "gh-cyotek_Cyotek.Windows.Forms.ColorPicker__Cyotek.Windows.Forms.ColorPicker.Demo__palettes__arne-v20-16.aco");
    ASSERT_EQ(read.result.colors.size(), 16u);
    // The file counts "Void" as 4 units and writes no terminator after it.
    bool foundVoid = false;
    for (const std::string& name : read.result.names)
        foundVoid = foundVoid || name.substr(name.find(':') + 1) == "Void";
    EXPECT_TRUE(foundVoid);
}

TEST_F(Corpus, HtmlTablesInsideMarkdownGiveTheirCells)
{
    for (const fs::path& file : CorpusFiles("html"))
        EXPECT_GT(ReadCorpusFile(file).result.colors.size(), 10u) << file;
}

TEST_F(Corpus, EverySwatchExchangeFileGivesItsColors)
{
    for (const fs::path& file : CorpusFiles("ase")) {
        const CorpusRead read = ReadCorpusFile(file);
        // One file holds nothing but an empty group.
        EXPECT_EQ(read.result.colors.empty(), file.filename() == "gh-nsfmc_swatch__tests__empty white folder.ase")
            << file;
        EXPECT_TRUE(read.reports.empty()) << file;
    }
}

// Colors and names worked out from the files' bytes: big-endian floats, RGB
// and gray rounded to the byte nearest the stored value, CMYK through the
// swatch conversion of the color code (ink c + k, then 1 - x, truncated),
// L*a*b* relative to D50 into sRGB (L as a fraction of 100).
TEST_F(Corpus, SwatchExchangeFilesGiveTheColorsTheirBytesHold)
{
    const auto read = [](const char* name) {
        return ReadCorpusFile(kCorpus / "ase" / (std::string("gh-") + name)).result;
    };
    // Packed words: blue, green, red.
    const auto hex = [](const std::vector<std::uint32_t>& colors) {
        std::vector<std::string> texts;
        char text[8];
        for (const std::uint32_t color : colors) {
            std::snprintf(text, sizeof text, "%06x", color == EMPTY_SLOT ? 0xEEEEEE : color);
            texts.push_back(text);
        }
        return texts;
    };
    const std::string dagronf =
        "dagronf_ColorPaletteCodable__Tests__ColorPaletteCodableTests__resources__palette__ase__";
    // RGB, CMYK and LAB; global and spot swatches.
    const ReadResult simple = read((dagronf + "palette_simple.ase").c_str());
    EXPECT_EQ(hex(simple.colors), (std::vector<std::string>{"22ff00", "26cc7c", "28d825"}));
    EXPECT_EQ(simple.names,
              (std::vector<std::string>{"22ff00:Greenville RGB", "26cc7c:Greenville CMYK", "28d825:PANTONE 802 C"}));
    // A group that never ends, names that spell their own colors: 174/255
    // stays 174.
    const ReadResult argyle = read((dagronf + "argyle-socks.ase").c_str());
    EXPECT_EQ(hex(argyle.colors), (std::vector<std::string>{"69bbae", "112129", "d1f4f7", "ffecad", "064427"}));
    EXPECT_EQ(argyle.names.front(), "064427:#274406");
    // Names of no length; a version 0.1 header.
    const ReadResult raspberry = read((dagronf + "Raspberry.ase").c_str());
    EXPECT_EQ(hex(raspberry.colors), (std::vector<std::string>{"170573", "6045f4", "dfd144", "a7a432", "69701e"}));
    EXPECT_TRUE(raspberry.names.empty());
    EXPECT_EQ(hex(read((dagronf + "unsupported_version.ase").c_str()).colors),
              (std::vector<std::string>{"722e0e", "7ab3ef", "db9834"}));
    // Gray, inside a group.
    const ReadResult sampler = read("nsfmc_swatch__tests__sampler.ase");
    EXPECT_EQ(hex(sampler.colors), (std::vector<std::string>{"ffffff", "3200c8", "bff4ff", "f1f1f1", "21a3f1"}));
    // Grays stored as single floats a hair below half a step: 0.7f is
    // 0.69999998, 178.49999 steps, so 178; 0.9f is 229.
    const ReadResult grays = read("1j01_palettes__sk1_palette_collection_1.0__ASE__Grayscale_palette.ase");
    EXPECT_EQ(hex(grays.colors), (std::vector<std::string>{"000000", "1a1a1a", "333333", "4d4d4d", "666666", "808080",
                                                           "999999", "b2b2b2", "cccccc", "e5e5e5", "ffffff"}));
    const std::vector<std::string> utilsNames =
        ReadCorpusFile(kCorpus / "ase" / "npm-ase-utils__test.ase").result.names;
    EXPECT_EQ(std::count(utilsNames.begin(), utilsNames.end(), "e5e5e5:10% Gray"), 1);
    // Solarized, defined in L*a*b*: its sixteen published colors in two
    // groups, then the same again under other names.
    std::vector<std::uint32_t> solarized = read("nsfmc_swatch__tests__solarized.ase").colors;
    std::erase(solarized, EMPTY_SLOT);
    ASSERT_GE(solarized.size(), 16u);
    EXPECT_EQ(
        hex(std::vector<std::uint32_t>(solarized.begin(), solarized.begin() + 16)),
        (std::vector<std::string>{"362b00", "423607", "766e58", "837b65", "969483", "a1a193", "d5e8ee", "e3f6fd",
                                  "0089b5", "164bcb", "2f32dc", "8236d3", "c4716c", "d28b26", "98a12a", "009985"}));
}
