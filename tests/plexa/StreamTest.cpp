#include <gtest/gtest.h>

#include <cerrno>
#include <csignal>
#include <cstdint>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <string>
#include <sys/resource.h>

#include "plexa/HostStreams.h"
#include "host/plexa/src/MemoryStream.h"
#include "plexa/jx_CORE.h"
#include "plexa/jx_REF.h"

namespace {

using StreamHolder = jx_REF<jx_STREAM>;

StreamHolder TextStream(const std::string& text)
{
    auto* stream = new MemoryStream();
    stream->Write(text.data(), static_cast<int>(text.size()));
    stream->Seek(0, 0);
    return StreamHolder(stream);
}

std::vector<std::string> AllLines(jx_STREAM* stream, int bufferSize = 255)
{
    std::vector<std::string> lines;
    std::vector<char> buffer(static_cast<std::size_t>(bufferSize));
    while (stream->ReadLine(buffer.data(), bufferSize))
        lines.emplace_back(buffer.data());
    return lines;
}

class TempFolder {
public:
    TempFolder()
    {
        path = std::filesystem::temp_directory_path() /
               ("plexa-stream-test-" + std::to_string(::testing::UnitTest::GetInstance()->random_seed()) + "-" +
                ::testing::UnitTest::GetInstance()->current_test_info()->name());
        std::filesystem::create_directories(path);
    }
    ~TempFolder() { std::filesystem::remove_all(path); }
    std::u16string File(const std::string& name) const { return (path / name).u16string(); }
    std::filesystem::path path;
};

} // namespace

TEST(StreamReadLine, DropsCrLfAndLf)
{
    auto stream = TextStream("GIMP Palette\r\nName: x\n\r\n255 0 0\tRed\r\n");
    EXPECT_EQ(AllLines(stream.get()), (std::vector<std::string>{"GIMP Palette", "Name: x", "", "255 0 0\tRed"}));
}

TEST(StreamReadLine, ReturnsTheLastLineWithoutLf)
{
    auto stream = TextStream("first\nlast");
    EXPECT_EQ(AllLines(stream.get()), (std::vector<std::string>{"first", "last"}));
    auto empty = TextStream("");
    char buffer[8] = "x";
    EXPECT_EQ(empty->ReadLine(buffer, 8), 0);
    EXPECT_STREQ(buffer, "");
}

TEST(StreamReadLine, CutsLinesLongerThanTheBufferAndSkipsTheirRest)
{
    const std::string longLine(300, 'a');
    auto stream = TextStream(longLine + "\r\nnext\n");
    const auto lines = AllLines(stream.get(), 255);
    ASSERT_EQ(lines.size(), 2u);
    EXPECT_EQ(lines[0], std::string(254, 'a'));
    EXPECT_EQ(lines[1], "next");
}

TEST(StreamWords, ReadAndWriteInEitherWordOrder)
{
    StreamHolder stream(new MemoryStream());
    EXPECT_EQ(stream->GetWordOrder(), kWordOrderLittleEndian);
    stream->WriteWord(0x1234);
    stream->SetWordOrder(kWordOrderBigEndian);
    stream->WriteWord(0x1234);
    stream->Seek(0, 0);
    unsigned char bytes[4] = {};
    ASSERT_EQ(stream->Read(bytes, 4), 4);
    EXPECT_EQ(bytes[0], 0x34);
    EXPECT_EQ(bytes[1], 0x12);
    EXPECT_EQ(bytes[2], 0x12);
    EXPECT_EQ(bytes[3], 0x34);
    stream->Seek(0, 0);
    EXPECT_EQ(stream->ReadWord(), 0x3412);
    stream->SetWordOrder(kWordOrderLittleEndian);
    EXPECT_EQ(stream->ReadWord(), 0x3412);
    EXPECT_EQ(stream->ReadWord(), -1);
}

TEST(StreamPosition, SeekTellAndEndOfStream)
{
    auto stream = TextStream("0123456789");
    EXPECT_FALSE(stream->IsEOF());
    EXPECT_EQ(stream->Seek(4, 0), 0);
    EXPECT_EQ(stream->Tell(), 4);
    EXPECT_EQ(stream->Seek(3, 1), 0);
    EXPECT_EQ(stream->Tell(), 7);
    EXPECT_EQ(stream->Seek(-2, 1), 0);
    char rest[8] = {};
    EXPECT_EQ(stream->Read(rest, 8), 5);
    EXPECT_STREQ(rest, "56789");
    EXPECT_TRUE(stream->IsEOF());
    // Before the start: refused, position unchanged. Past the end: allowed,
    // as in a file, with nothing to read there.
    EXPECT_NE(stream->Seek(-1, 0), 0);
    EXPECT_EQ(stream->Tell(), 10);
    EXPECT_EQ(stream->Seek(15, 0), 0);
    EXPECT_EQ(stream->Read(rest, 8), 0);
    EXPECT_TRUE(stream->IsEOF());
    EXPECT_EQ(stream->ReadWord(), -1);
}

TEST(StreamMemory, AReadOnlyViewRefusesWrites)
{
    static const char bytes[] = "abc";
    StreamHolder stream(new MemoryStream(bytes, 3));
    EXPECT_EQ(stream->Write("x", 1), 0);
    char buffer[4] = {};
    EXPECT_EQ(stream->Read(buffer, 3), 3);
    EXPECT_STREQ(buffer, "abc");
}

TEST(StreamMemory, WritingPastTheEndFillsTheGapWithZeros)
{
    StreamHolder stream(new MemoryStream());
    stream->Write("ab", 2);
    EXPECT_EQ(stream->Seek(4, 0), 0);
    stream->Write("c", 1);
    stream->Seek(0, 0);
    char bytes[5] = {'x', 'x', 'x', 'x', 'x'};
    EXPECT_EQ(stream->Read(bytes, 5), 5);
    EXPECT_EQ(std::string(bytes, 5), std::string("ab\0\0c", 5));
}

TEST(StreamMemory, WritesBeyondThirtyTwoBitPositionsFail)
{
    StreamHolder stream(new MemoryStream());
    ASSERT_EQ(stream->Seek(INT32_MAX - 4, 0), 0);
    EXPECT_EQ(stream->Write("0123456789", 10), 0);
    EXPECT_EQ(stream->Tell(), INT32_MAX - 4);
}

TEST(StreamMemory, PrintfWritesFormattedTextOfAnyLength)
{
    StreamHolder stream(new MemoryStream());
    EXPECT_EQ(stream->Printf("%3d %3d %3d\t%s\n", 255, 128, 0, "Orange"), 19);
    const std::string longName(2000, 'n');
    EXPECT_EQ(stream->Printf("%s", longName.c_str()), 2000);
    stream->Seek(0, 0);
    const auto lines = AllLines(stream.get(), 4096);
    ASSERT_EQ(lines.size(), 2u);
    EXPECT_EQ(lines[0], "255 128   0\tOrange");
    EXPECT_EQ(lines[1], longName);
}

TEST(StreamMemory, CopyToCopiesAllOrAPart)
{
    auto source = TextStream("0123456789");
    StreamHolder all(new MemoryStream());
    EXPECT_EQ(source->CopyTo(all.get(), 0, -1), 10);
    StreamHolder part(new MemoryStream());
    EXPECT_EQ(source->CopyTo(part.get(), 2, 3), 3);
    char buffer[16] = {};
    all->Seek(0, 0);
    EXPECT_EQ(all->Read(buffer, 16), 10);
    part->Seek(0, 0);
    char partBuffer[16] = {};
    EXPECT_EQ(part->Read(partBuffer, 16), 3);
    EXPECT_STREQ(partBuffer, "234");
    EXPECT_EQ(source->CopyTo(nullptr, 0, -1), 0);
}

TEST(StreamFile, WritesThenReadsBackWithItsName)
{
    TempFolder folder;
    const std::u16string path = folder.File("palette.gpl");
    {
        StreamHolder out(OpenHostFileStream(path.c_str(), kStreamCreateFile));
        ASSERT_NE(out.get(), nullptr);
        out->Printf("GIMP Palette\nName: %s\n", "Test");
        out->SetWordOrder(kWordOrderBigEndian);
        out->WriteWord(0x0102);
        EXPECT_EQ(out->Commit(), 0);
    }
    StreamHolder in(OpenHostFileStream(path.c_str(), kStreamReadFile));
    ASSERT_NE(in.get(), nullptr);
    char16_t name[256] = {};
    EXPECT_EQ(in->GetFileName(name, 256, 1), static_cast<int>(path.size()));
    EXPECT_EQ(std::u16string(name), path);
    EXPECT_EQ(in->GetFileName(name, 256, 0), 11);
    EXPECT_EQ(std::u16string(name), u"palette.gpl");
    char line[255];
    ASSERT_EQ(in->ReadLine(line, 255), 1);
    EXPECT_STREQ(line, "GIMP Palette");
    ASSERT_EQ(in->ReadLine(line, 255), 1);
    EXPECT_STREQ(line, "Name: Test");
    in->SetWordOrder(kWordOrderBigEndian);
    EXPECT_EQ(in->ReadWord(), 0x0102);
    EXPECT_TRUE(in->IsEOF());
}

std::string FileText(const std::filesystem::path& path)
{
    std::ifstream in(path, std::ios::binary);
    return std::string(std::istreambuf_iterator<char>(in), {});
}

TEST(StreamFile, OpenModes)
{
    TempFolder folder;
    const std::u16string path = folder.File("modes.txt");
    EXPECT_EQ(OpenHostFileStream(path.c_str(), kStreamReadFile), nullptr);
    EXPECT_EQ(OpenHostFileStream(path.c_str(), kStreamReadFileShared), nullptr);

    // Two create-new streams for one missing name: the first to be
    // committed creates it, the other fails and leaves it alone.
    StreamHolder created(OpenHostFileStream(path.c_str(), kStreamCreateNewFile));
    StreamHolder rival(OpenHostFileStream(path.c_str(), kStreamCreateNewFile));
    ASSERT_NE(created.get(), nullptr);
    ASSERT_NE(rival.get(), nullptr);
    created->Printf("old");
    rival->Printf("rival");
    EXPECT_EQ(created->Commit(), 0);
    EXPECT_NE(rival->Commit(), 0);
    EXPECT_EQ(OpenHostFileStream(path.c_str(), kStreamCreateNewFile), nullptr);
    EXPECT_EQ(FileText(folder.path / "modes.txt"), "old");

    StreamHolder shared(OpenHostFileStream(path.c_str(), kStreamReadFileShared));
    EXPECT_NE(shared.get(), nullptr);
    EXPECT_EQ(OpenHostFileStream(path.c_str(), kStreamMemory), nullptr);
    EXPECT_EQ(OpenHostFileStream(u"", kStreamReadFile), nullptr);
    EXPECT_EQ(OpenHostFileStream(nullptr, kStreamReadFile), nullptr);
}

TEST(StreamFile, AReplacedFileChangesWholeAtCommitAndKeepsItsPermissions)
{
    TempFolder folder;
    const std::filesystem::path target = folder.path / "private.gpl";
    std::ofstream(target) << "old";
    std::filesystem::permissions(target, std::filesystem::perms::owner_read | std::filesystem::perms::owner_write);
    StreamHolder first(OpenHostFileStream(target.u16string().c_str(), kStreamCreateFile));
    StreamHolder second(OpenHostFileStream(target.u16string().c_str(), kStreamCreateFile));
    ASSERT_NE(first.get(), nullptr);
    first->Printf("first");
    second->Printf("second, longer");
    EXPECT_EQ(FileText(target), "old");
    EXPECT_EQ(first->Commit(), 0);
    EXPECT_EQ(FileText(target), "first");
    EXPECT_EQ(second->Commit(), 0); // the later one replaces the earlier whole
    EXPECT_EQ(FileText(target), "second, longer");
    StreamHolder dropped(OpenHostFileStream(target.u16string().c_str(), kStreamCreateFile));
    dropped->Printf("given up part way");
    dropped.reset(); // released without Commit: nothing changes
    EXPECT_EQ(std::filesystem::status(target).permissions(),
              std::filesystem::perms::owner_read | std::filesystem::perms::owner_write);
    EXPECT_EQ(FileText(target), "second, longer");
    // Nothing but the target is left in the folder.
    EXPECT_EQ(std::distance(std::filesystem::directory_iterator(folder.path), {}), 1);
    EXPECT_EQ(first->Write("x", 1), 0);
}

TEST(StreamFile, AFailedWriteKeepsTheOldFile)
{
    TempFolder folder;
    const std::filesystem::path target = folder.path / "palette.gpl";
    std::ofstream(target) << "old";
    // A file size limit fails the write as a full disk would.
    struct rlimit limit {};
    ::getrlimit(RLIMIT_FSIZE, &limit);
    const struct rlimit small = {16, limit.rlim_max};
    const auto oldHandler = std::signal(SIGXFSZ, SIG_IGN);
    ::setrlimit(RLIMIT_FSIZE, &small);
    StreamHolder file(OpenHostFileStream(target.u16string().c_str(), kStreamCreateFile));
    ASSERT_NE(file.get(), nullptr);
    const std::string text(4096, 'x');
    file->Write(text.data(), static_cast<int>(text.size()));
    const int error = file->Commit();
    ::setrlimit(RLIMIT_FSIZE, &limit);
    std::signal(SIGXFSZ, oldHandler);
    EXPECT_EQ(error, EFBIG);
    EXPECT_EQ(FileText(target), "old");
    EXPECT_EQ(std::distance(std::filesystem::directory_iterator(folder.path), {}), 1);
}

TEST(StreamFile, UnwritableFolderGivesNoStream)
{
    TempFolder folder;
    const std::u16string path = folder.File("missing-folder/file.gpl");
    EXPECT_EQ(OpenHostFileStream(path.c_str(), kStreamCreateFile), nullptr);
}
