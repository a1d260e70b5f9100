#include "common/PathNames.h"

#include <gtest/gtest.h>

#include <string>

namespace {

std::u16string Parent(const char16_t* path, int size = 256)
{
    char16_t output[256] = {u'x'};
    return GetParentDir(path, output, size) ? std::u16string(output) : u"(none: " + std::u16string(output) + u")";
}

} // namespace

TEST(PathNames, FileNameStartsAfterTheLastSeparatorOrColon)
{
    EXPECT_EQ(GetFileNameOffset(u"C:\\a\\b.gpl"), 5);
    EXPECT_EQ(GetFileNameOffset(u"C:b.gpl"), 2);
    EXPECT_EQ(GetFileNameOffset(u"a/b/c.aco"), 4);
    EXPECT_EQ(GetFileNameOffset(u"b.gpl"), 0);
    EXPECT_EQ(GetFileNameOffset(u"C:\\a\\"), 5);
    EXPECT_EQ(GetFileNameOffset(nullptr), 0);
}

TEST(PathNames, ParentIsThePathUpToItsLastSeparator)
{
    EXPECT_EQ(Parent(u"C:\\x\\y"), u"C:\\x");
    EXPECT_EQ(Parent(u"C:\\x\\"), u"C:\\x");
    EXPECT_EQ(Parent(u"C:/x/y.gpl"), u"C:/x");
    EXPECT_EQ(Parent(u"name"), u"(none: )");
    EXPECT_EQ(Parent(u"\\name"), u"(none: )");
    EXPECT_EQ(Parent(u""), u"(none: )");
    EXPECT_EQ(Parent(nullptr), u"(none: )");
}

TEST(PathNames, AParentLongerThanTheBufferIsRefusedWhole)
{
    const std::u16string longPath = u"C:\\" + std::u16string(300, u'a') + u"\\b";
    EXPECT_EQ(Parent(longPath.c_str()), u"(none: )");
    EXPECT_EQ(Parent(u"C:\\abc\\d", 6), u"(none: )");
    EXPECT_EQ(Parent(u"C:\\abc\\d", 7), u"C:\\abc");
}
