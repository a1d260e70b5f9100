// The module's text shims with the real file system: folders made with
// every missing parent, and paths too long for the shims' buffers refused.
#include <gtest/gtest.h>

#include <string>

#include "plexa/Win32Text.h"
#include "module/ModuleState.h"
#include "module/TextShims.h"
#include "tests/windows/TestHost.h"

TEST(TextShims, CreateEveryMissingFolderOfAPath)
{
    NtVersionLevel = 3;
    TempFolder root;
    const std::u16string deep = root.File(u"x\\y\\z");
    EXPECT_FALSE(IsDirectoryPath(deep.c_str()));
    EXPECT_TRUE(CreateDirectoryPath(deep.c_str()));
    EXPECT_TRUE(IsDirectoryPath(deep.c_str()));
    EXPECT_TRUE(CreateDirectoryPath(deep.c_str())) << "an existing folder";
    const std::u16string file = root.File(u"file.txt");
    HANDLE handle = CreateFileW(AsWide(file.c_str()), GENERIC_WRITE, 0, nullptr, CREATE_NEW, 0, nullptr);
    CloseHandle(handle);
    EXPECT_FALSE(IsDirectoryPath(file.c_str()));
    EXPECT_FALSE(CreateDirectoryPath((file + u"\\below").c_str())) << "a file where a folder must be";
    EXPECT_NE(GetFileAttributesAW(file.c_str()), INVALID_FILE_ATTRIBUTES);
}

TEST(TextShims, PathsOfTwoHundredFiftySixUnitsAreRefused)
{
    TempFolder root;
    const std::u16string tooLong = root.Path() + u"\\" + std::u16string(256, u'a');
    for (const int level : {0, 3}) {
        NtVersionLevel = level;
        EXPECT_EQ(GetFileAttributesAW(tooLong.c_str()), INVALID_FILE_ATTRIBUTES);
        EXPECT_FALSE(CreateDirectoryAW(tooLong.c_str(), nullptr));
        EXPECT_FALSE(CreateDirectoryPath(tooLong.c_str()));
        EXPECT_FALSE(IsDirectoryPath(nullptr));
    }
}

TEST(TextShims, TheAnsiFormsTakeConvertedTextAndPassNonTextOn)
{
    NtVersionLevel = 0;
    TempFolder root;
    const std::u16string folder = root.File(u"ansi");
    EXPECT_TRUE(CreateDirectoryAW(folder.c_str(), nullptr));
    EXPECT_TRUE(IsDirectoryPath(folder.c_str()));
    HMENU menu = CreatePopupMenu();
    EXPECT_TRUE(AppendMenuAW(menu, MF_SEPARATOR, 0, nullptr));
    EXPECT_TRUE(AppendMenuAW(menu, MF_STRING, 7, u"Gray"));
    wchar_t text[16] = {};
    GetMenuStringW(menu, 7, text, 16, MF_BYCOMMAND);
    EXPECT_STREQ(text, L"Gray");
    DestroyMenu(menu);
    NtVersionLevel = 3;
}
