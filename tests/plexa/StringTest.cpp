#include "plexa/jx_STRING.h"

#include <gtest/gtest.h>

#include <string>

TEST(JxString, SetAddAndCompare)
{
    jx_STRING text(u"Dark");
    text.Add(u" red");
    EXPECT_EQ(std::u16string(text.GetBuffer()), u"Dark red");
    EXPECT_EQ(text.Length(), 8);
    EXPECT_EQ(text.Compare(u"Dark red"), 0);
    EXPECT_LT(text.Compare(u"Dark rez"), 0);
    EXPECT_GT(text.Compare(u"Dark"), 0);
    EXPECT_LT(text.Compare(u"Dark red!"), 0);
    text.Set(nullptr);
    EXPECT_EQ(text.Length(), 0);
}

TEST(JxString, CopiesAreIndependent)
{
    jx_STRING original(u"one");
    jx_STRING copy(original);
    copy.Add(u" two");
    jx_STRING assigned;
    assigned = original;
    original.Set(u"changed");
    EXPECT_EQ(std::u16string(copy.GetBuffer()), u"one two");
    EXPECT_EQ(std::u16string(assigned.GetBuffer()), u"one");
}

TEST(JxString, AddingOrSettingItsOwnTextIsSafe)
{
    jx_STRING text(u"abc");
    text.Add(text.GetBuffer());
    EXPECT_EQ(std::u16string(text.GetBuffer()), u"abcabc");
    text.Set(text.GetBuffer() + 3);
    EXPECT_EQ(std::u16string(text.GetBuffer()), u"abc");
    text = text;
    EXPECT_EQ(std::u16string(text.GetBuffer()), u"abc");
}

TEST(JxString, GetCopiesNarrowTextCutToTheBuffer)
{
    jx_STRING text(u"Lime green");
    char buffer[5] = {'x', 'x', 'x', 'x', 'x'};
    EXPECT_EQ(text.Get(buffer, 5), 4);
    EXPECT_STREQ(buffer, "Lime");
    char whole[32];
    EXPECT_EQ(text.Get(whole, sizeof whole), 10);
    EXPECT_STREQ(whole, "Lime green");
    EXPECT_EQ(text.Get(buffer, 0), 0);
}
