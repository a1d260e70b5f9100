#include "tools/PaletteTool.h"

#include <gtest/gtest.h>

#include <cstdio>
#include <filesystem>
#include <fstream>
#include <iterator>

namespace {

namespace fs = std::filesystem;

struct ToolRun {
    int code;
    std::string out;
    std::string err;
};

std::string Contents(std::FILE* file)
{
    std::rewind(file);
    std::string text;
    for (int c; (c = std::fgetc(file)) != EOF;)
        text.push_back(static_cast<char>(c));
    std::fclose(file);
    return text;
}

ToolRun RunTool(const std::vector<std::u16string>& args)
{
    std::FILE* out = std::tmpfile();
    std::FILE* err = std::tmpfile();
    const int code = RunPaletteTool(args, out, err);
    return {code, Contents(out), Contents(err)};
}

std::string FileText(const fs::path& path)
{
    std::ifstream in(path, std::ios::binary);
    return std::string((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
}

class PaletteTool : public ::testing::Test {
protected:
    void SetUp() override
    {
        folder = fs::temp_directory_path() /
                 ("palette-tool-" + std::string(::testing::UnitTest::GetInstance()->current_test_info()->name()));
        fs::create_directories(folder);
        std::ofstream(folder / "in.gpl", std::ios::binary)
            << "GIMP Palette\nName: x\n#\n255   0   0\tRed\n  0   0   0\t\n  0 128 255\tSky\n  0 128 255\tAzure\n";
    }
    void TearDown() override { fs::remove_all(folder); }
    std::u16string Path(const char* name) const { return (folder / name).u16string(); }

    fs::path folder;
};

} // namespace

TEST_F(PaletteTool, ShowListsEverySlotWithItsNames)
{
    const ToolRun run = RunTool({u"show", Path("in.gpl")});
    EXPECT_EQ(run.code, 0);
    EXPECT_NE(run.out.find(": 4 slots\n"), std::string::npos);
    EXPECT_NE(run.out.find("    0  #ff0000  Red\n"), std::string::npos);
    EXPECT_NE(run.out.find("    1  empty\n"), std::string::npos);
    EXPECT_NE(run.out.find("    3  #0080ff  Azure / Sky\n"), std::string::npos);
    EXPECT_EQ(run.err, "");
}

TEST_F(PaletteTool, ConvertsThroughEveryFormatAndBack)
{
    ASSERT_EQ(RunTool({u"convert", Path("in.gpl"), Path("a.ACO")}).code, 0);
    ASSERT_EQ(RunTool({u"convert", Path("a.ACO"), Path("b.html")}).code, 0);
    ASSERT_EQ(RunTool({u"convert", Path("b.html"), Path("c")}).code, 0);
    EXPECT_EQ(FileText(folder / "a.ACO").substr(0, 2), std::string("\0\1", 2));
    EXPECT_NE(FileText(folder / "b.html").find("<table"), std::string::npos);
    // Trailing empty slots aside, the GIMP palette comes back whole; the
    // first name of a color names every slot of it.
    EXPECT_EQ(FileText(folder / "c"), "GIMP Palette\nName: c\n#\n255   0   0\tRed\n  0   0   0\t\n"
                                      "  0 128 255\tAzure\n  0 128 255\tAzure\n");
    EXPECT_FALSE(fs::exists(folder / "c.palette-tmp"));
}

TEST_F(PaletteTool, AFailedConversionLeavesNoFileBehind)
{
    std::ofstream(folder / "keep.gpl") << "previous";
    const ToolRun missing = RunTool({u"convert", Path("missing.gpl"), Path("keep.gpl")});
    EXPECT_EQ(missing.code, 1);
    EXPECT_EQ(missing.err, "palette: cannot read " + (folder / "missing.gpl").string() + "\n");
    EXPECT_EQ(FileText(folder / "keep.gpl"), "previous");

    const ToolRun unwritable = RunTool({u"convert", Path("in.gpl"), Path("no-folder/out.gpl")});
    EXPECT_EQ(unwritable.code, 1);
    EXPECT_NE(unwritable.err.find("cannot write"), std::string::npos);
    EXPECT_FALSE(fs::exists(folder / "no-folder"));
}

TEST_F(PaletteTool, TooShortInputIsNoPalette)
{
    std::ofstream(folder / "short.gpl") << "GIMP Palette\n";
    const ToolRun run = RunTool({u"show", Path("short.gpl")});
    EXPECT_EQ(run.code, 1);
    EXPECT_NE(run.err.find("too short"), std::string::npos);
}

TEST_F(PaletteTool, WrongUsagePrintsTheUsage)
{
    for (const auto& args :
         std::vector<std::vector<std::u16string>>{{}, {u"show"}, {u"convert", u"a"}, {u"list", u"a"}}) {
        const ToolRun run = RunTool(args);
        EXPECT_EQ(run.code, 2);
        EXPECT_EQ(run.err.rfind("usage: palette show FILE", 0), 0u);
    }
}
