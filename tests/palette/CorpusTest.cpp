// Real palette files made by other programs: every reader must get through
// all of them, and the swatch and HTML files must give their colors.
#include <gtest/gtest.h>

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

TEST_F(Corpus, OtherFormatsPassThroughWithoutHarm)
{
    for (const fs::path& file : CorpusFiles("ase"))
        ReadCorpusFile(file);
}
