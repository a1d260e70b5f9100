#include "tools/PaletteTool.h"

#include <gtest/gtest.h>

#include <cstdio>
#include <filesystem>
#include <fstream>
#include <iterator>

#include "common/Utf8.h"

#if !defined(_WIN32)
#include <csignal>
#include <cstdlib>
#include <sys/resource.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <thread>
#endif

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
        fs::remove_all(folder);
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

TEST_F(PaletteTool, SwatchExchangeFilesRoundTripAndJsonListsTheSlots)
{
    // Through a swatch exchange file and back is the same as GIMP to GIMP.
    ASSERT_EQ(RunTool({u"convert", Path("in.gpl"), Path("direct.gpl")}).code, 0);
    ASSERT_EQ(RunTool({u"convert", Path("in.gpl"), Path("x.ASE")}).code, 0);
    ASSERT_EQ(RunTool({u"convert", Path("x.ASE"), Path("back.gpl")}).code, 0);
    EXPECT_EQ(FileText(folder / "x.ASE").substr(0, 4), "ASEF");
    const auto body = [](const std::string& text) { return text.substr(text.find("#\n")); };
    EXPECT_EQ(body(FileText(folder / "back.gpl")), body(FileText(folder / "direct.gpl")));

    const ToolRun json = RunTool({u"show", u"--json", Path("in.gpl")});
    EXPECT_EQ(json.code, 0);
    EXPECT_NE(json.out.find("{\"index\": 0, \"hex\": \"#ff0000\", \"names\": [\"Red\"]}"), std::string::npos);
    EXPECT_NE(json.out.find("{\"index\": 1, \"hex\": null, \"names\": []}"), std::string::npos);
    EXPECT_NE(json.out.find("\"names\": [\"Azure\", \"Sky\"]}\n]}\n"), std::string::npos);
}

// Whether an error line names its file and says why, in one line.
bool SaysWhy(const ToolRun& run, const std::string& start)
{
    return run.code == 1 && run.err.rfind(start + ": ", 0) == 0 && run.err.size() > start.size() + 3 &&
           run.err.find('\n') == run.err.size() - 1;
}

TEST_F(PaletteTool, FailuresSayWhyInOneLineAndKeepTheOldOutput)
{
    std::ofstream(folder / "keep.gpl") << "previous";
    EXPECT_TRUE(SaysWhy(RunTool({u"convert", Path("missing.gpl"), Path("keep.gpl")}),
                        "palette: cannot read " + Utf16ToUtf8(Path("missing.gpl"))));
    fs::create_directories(folder / "folder.gpl");
    EXPECT_TRUE(
        SaysWhy(RunTool({u"show", Path("folder.gpl")}), "palette: cannot read " + Utf16ToUtf8(Path("folder.gpl"))));
    EXPECT_TRUE(SaysWhy(RunTool({u"convert", Path("in.gpl"), Path("no-folder/out.gpl")}),
                        "palette: cannot write " + Utf16ToUtf8(Path("no-folder/out.gpl"))));
    EXPECT_TRUE(SaysWhy(RunTool({u"convert", Path("in.gpl"), Path("folder.gpl")}),
                        "palette: cannot write " + Utf16ToUtf8(Path("folder.gpl"))));

    // Bytes that are no palette are no conversion: nothing is written.
    std::string noise;
    for (int i = 0; i < 3000; ++i)
        noise += static_cast<char>(i * 37 % 256);
    std::ofstream(folder / "noise.bin", std::ios::binary) << noise;
    const ToolRun notAPalette = RunTool({u"convert", Path("noise.bin"), Path("keep.gpl")});
    EXPECT_EQ(notAPalette.code, 1);
    EXPECT_NE(notAPalette.err.find("holds no colors"), std::string::npos);
    EXPECT_EQ(FileText(folder / "keep.gpl"), "previous");
#if !defined(_WIN32)
    // A full disk, as a file size limit makes one (large enough for the
    // error line, too small for the palette): the old output stays.
    std::string large = "GIMP Palette\n#\n";
    for (int i = 0; i < 1000; ++i)
        large += "1 2 3\tcolor " + std::to_string(i) + "\n";
    std::ofstream(folder / "large.gpl", std::ios::binary) << large;
    rlimit limit{};
    ::getrlimit(RLIMIT_FSIZE, &limit);
    const rlimit small{4096, limit.rlim_max};
    const auto oldHandler = std::signal(SIGXFSZ, SIG_IGN);
    ::setrlimit(RLIMIT_FSIZE, &small);
    const ToolRun full = RunTool({u"convert", Path("large.gpl"), Path("keep.gpl")});
    ::setrlimit(RLIMIT_FSIZE, &limit);
    std::signal(SIGXFSZ, oldHandler);
    EXPECT_TRUE(SaysWhy(full, "palette: cannot write " + Utf16ToUtf8(Path("keep.gpl"))));
    constexpr int kFilesMade = 5;
#else
    constexpr int kFilesMade = 4;
#endif
    EXPECT_EQ(FileText(folder / "keep.gpl"), "previous");
    EXPECT_EQ(std::distance(fs::directory_iterator(folder), {}), kFilesMade);
}

TEST_F(PaletteTool, APaletteOfEmptySlotsOnlyIsShownSlotBySlotAndNotConverted)
{
    // Black without a name is how an empty slot is written.
    std::ofstream(folder / "blank.gpl", std::ios::binary) << "GIMP Palette\n#\n0 0 0\n0 0 0\n";
    const ToolRun show = RunTool({u"show", Path("blank.gpl")});
    EXPECT_EQ(show.code, 0);
    EXPECT_NE(show.out.find(": 2 slots\n    0  empty\n    1  empty\n"), std::string::npos) << show.out;
    const ToolRun json = RunTool({u"show", u"--json", Path("blank.gpl")});
    EXPECT_NE(json.out.find("[\n  {\"index\": 0, \"hex\": null, \"names\": []},\n  {\"index\": 1, \"hex\": null, "
                            "\"names\": []}\n]}\n"),
              std::string::npos)
        << json.out;
    EXPECT_EQ(RunTool({u"convert", Path("blank.gpl"), Path("blank.aco")}).code, 1);
    EXPECT_FALSE(fs::exists(folder / "blank.aco"));
}

TEST_F(PaletteTool, AnEmptySwatchFileReadsBackAsNoSlots)
{
    std::ofstream(folder / "empty.aco", std::ios::binary) << std::string("\0\1\0\0\0\2\0\0", 8);
    const ToolRun run = RunTool({u"show", Path("empty.aco")});
    EXPECT_EQ(run.code, 0);
    EXPECT_NE(run.out.find(": 0 slots\n"), std::string::npos);
}

TEST_F(PaletteTool, ShowPrintsWhatAPersonCanRead)
{
    // One color with 10,000 names, one of them with an escape sequence.
    std::string many = "GIMP Palette\n#\n";
    for (int i = 0; i < 10000; ++i)
        many += "1 2 3\tname " + std::to_string(i) + "\n";
    many += "1 2 3\t\x1b[2Jgone\n";
    std::ofstream(folder / "many.gpl", std::ios::binary) << many;
    const ToolRun run = RunTool({u"show", Path("many.gpl")});
    EXPECT_EQ(run.code, 0);
    EXPECT_EQ(run.out.find('\x1b'), std::string::npos);
    EXPECT_LT(run.out.size(), 10002u * 80);
    EXPECT_NE(run.out.find("#010203  ?[2Jgone / name 0 / name 1 (+9998 more)\n"), std::string::npos);

    // Every control character, the first and the last below the space and
    // DEL, is masked in the listing and escaped in JSON.
    std::ofstream(folder / "controls.gpl", std::ios::binary) << "GIMP Palette\n#\n1 2 3\ta\x01"
                                                                "b\x1f"
                                                                "c\x7f"
                                                                "d e\n";
    EXPECT_NE(RunTool({u"show", Path("controls.gpl")}).out.find("#010203  a?b?c?d e\n"), std::string::npos);
    EXPECT_NE(RunTool({u"show", u"--json", Path("controls.gpl")}).out.find("[\"a\\u0001b\\u001fc\\u007fd e\"]"),
              std::string::npos);

    // Swatches in a color space nobody reads: one warning with its count.
    std::string aco("\0\1\0\x32", 4);
    for (int i = 0; i < 50; ++i)
        aco += std::string("\0\x63\0\0\0\0\0\0\0\0", 10);
    std::ofstream(folder / "odd.aco", std::ios::binary) << aco;
    const ToolRun odd = RunTool({u"show", Path("odd.aco")});
    EXPECT_EQ(odd.err, "palette: warning: " + (folder / "odd.aco").string() +
                           ": Unknown color space. Send palette file to support (50 times)\n");
}

#if !defined(_WIN32)
TEST_F(PaletteTool, MemoryRunningOutWhileAPageIsReadIsOneClearError)
{
#if defined(__SANITIZE_ADDRESS__)
    GTEST_SKIP() << "the address sanitizer's shadow memory does not fit in a limited address space";
#endif
    std::string page = "<table><tr>";
    for (int i = 0; i < 400000; ++i)
        page += "<td bgcolor=\"#" + std::to_string(100000 + i) + "\">n" + std::to_string(i) + "</td>";
    std::ofstream(folder / "large.html", std::ios::binary) << page;
    // The tool itself, in a process of 48 MB: the page needs more.
    const std::string command = "ulimit -v 49152; exec " PALETTE_TOOL " show '" + (folder / "large.html").string() +
                                "' > /dev/null 2> '" + (folder / "err").string() + "'";
    const int status = std::system(command.c_str());
    EXPECT_EQ(WIFEXITED(status) ? WEXITSTATUS(status) : -1, 1);
    EXPECT_EQ(FileText(folder / "err"),
              "palette: not enough memory to read " + (folder / "large.html").string() + "\n");
}

TEST_F(PaletteTool, PipesStandardStreamsAndAnyName)
{
    // A pipe cannot go back to its start: it is read whole first.
    const fs::path fifo = folder / "pipe";
    ASSERT_EQ(::mkfifo(fifo.c_str(), 0600), 0);
    std::thread writer([&] { std::ofstream(fifo, std::ios::binary) << FileText(folder / "in.gpl"); });
    const ToolRun piped = RunTool({u"show", fifo.u16string()});
    writer.join();
    EXPECT_EQ(piped.code, 0);
    EXPECT_NE(piped.out.find(": 4 slots\n"), std::string::npos);

    const ToolRun toOut = RunTool({u"convert", Path("in.gpl"), u"-"});
    EXPECT_EQ(toOut.out.rfind("GIMP Palette\n", 0), 0u);
    std::FILE* full = std::fopen("/dev/full", "w");
    std::FILE* err = std::tmpfile();
    EXPECT_EQ(RunPaletteTool({u"show", Path("in.gpl")}, full, err), 1);
    std::fclose(full);
    std::fclose(err);

    // A link planted where a temporary file could be looked for is never
    // written through.
    std::ofstream(folder / "victim") << "untouched";
    fs::create_symlink(folder / "victim", folder / "out.gpl.palette-tmp");
    EXPECT_EQ(RunTool({u"convert", Path("in.gpl"), Path("out.gpl")}).code, 0);
    EXPECT_EQ(FileText(folder / "victim"), "untouched");

    // A name that is no UTF-8, and one near the file system's limit.
    const std::string odd = (folder / "caf\xE9.gpl").string();
    const std::u16string oddPath = PathBytesToUtf16(odd);
    EXPECT_EQ(RunTool({u"convert", Path("in.gpl"), oddPath}).code, 0);
    EXPECT_TRUE(fs::exists(fs::path(odd)));
    EXPECT_EQ(RunTool({u"show", oddPath}).code, 0);
    const std::string longName = std::string(250, 'n') + ".gpl";
    EXPECT_EQ(RunTool({u"convert", Path("in.gpl"), Path(longName.c_str())}).code, 0);
    EXPECT_TRUE(fs::exists(folder / longName));
}
#endif

TEST_F(PaletteTool, WrongUsagePrintsTheUsage)
{
    for (const auto& args :
         std::vector<std::vector<std::u16string>>{{}, {u"show"}, {u"convert", u"a"}, {u"list", u"a"}}) {
        const ToolRun run = RunTool(args);
        EXPECT_EQ(run.code, 2);
        EXPECT_EQ(run.err.rfind("usage: palette show [--json] FILE", 0), 0u);
    }
}
