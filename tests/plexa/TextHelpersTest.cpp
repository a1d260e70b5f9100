#include "plexa/POINT3D.h"
#include "plexa/TextHelpers.h"

#include <gtest/gtest.h>

#include <cmath>
#include <string>

TEST(AddSlash, AppendsOneSeparatorOnlyWhereNeeded)
{
    char16_t path[16] = u"C:\\x";
    EXPECT_TRUE(AddSlash(path, 16));
    EXPECT_EQ(std::u16string(path), u"C:\\x\\");
    EXPECT_TRUE(AddSlash(path, 16));
    EXPECT_EQ(std::u16string(path), u"C:\\x\\");
    char16_t forward[16] = u"a/";
    EXPECT_TRUE(AddSlash(forward, 16));
    EXPECT_EQ(std::u16string(forward), u"a/");
    char16_t empty[4] = u"";
    EXPECT_TRUE(AddSlash(empty, 4));
    EXPECT_EQ(std::u16string(empty), u"");
}

TEST(AddSlash, RefusesWhenTheBufferIsFull)
{
    char16_t path[4] = u"abc";
    EXPECT_FALSE(AddSlash(path, 4));
    EXPECT_EQ(std::u16string(path), u"abc");
    EXPECT_FALSE(AddSlash(nullptr, 4));
}

TEST(WtoAex, CopiesCutsAndTerminates)
{
    char buffer[8];
    EXPECT_EQ(WtoAex(u"Red", buffer, 8), 3);
    EXPECT_STREQ(buffer, "Red");
    EXPECT_EQ(WtoAex(u"Saturation", buffer, 8), 7);
    EXPECT_STREQ(buffer, "Saturat");
    EXPECT_EQ(WtoAex(nullptr, buffer, 8), 0);
    EXPECT_STREQ(buffer, "");
    EXPECT_EQ(WtoAex(u"x", buffer, 0), 0);
}

TEST(WtoAex, UnmappableCharactersBecomeQuestionMarks)
{
    char buffer[8];
    WtoAex(u"\u00E9\u65E5\U0001F600", buffer, 8);
    EXPECT_STREQ(buffer, "\xE9??");
}

TEST(QueryWtoABufSize, CountsTheTerminator)
{
    EXPECT_EQ(QueryWtoABufSize(u""), 1);
    EXPECT_EQ(QueryWtoABufSize(u"Blue"), 5);
    EXPECT_EQ(QueryWtoABufSize(nullptr), 1);
}

TEST(Point3D, LimitClampsEachCoordinate)
{
    POINT3D point{-0.5f, 0.25f, 7.0f};
    point.Limit(0.0f, 1.0f);
    EXPECT_EQ(point.x, 0.0f);
    EXPECT_EQ(point.y, 0.25f);
    EXPECT_EQ(point.z, 1.0f);
    POINT3D odd{std::nanf(""), INFINITY, -INFINITY};
    odd.Limit(-1.0f, 1.0f);
    EXPECT_EQ(odd.x, -1.0f);
    EXPECT_EQ(odd.y, 1.0f);
    EXPECT_EQ(odd.z, -1.0f);
}
