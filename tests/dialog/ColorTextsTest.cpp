#include "dialog/ColorTexts.h"

#include <gtest/gtest.h>

#include <string>

TEST(ColorTexts, FieldsShowLowerCaseHexAndCommaSeparatedDecimals)
{
    EXPECT_EQ(HexText(CRGBA(0x800080FF)), u"ff8000");
    EXPECT_EQ(RgbText(CRGBA(0x800080FF)), u"255,128,0");
    EXPECT_EQ(DecimalText(360), u"360");
}

TEST(ColorTexts, ChannelFieldsReadNumbersLikePercentD)
{
    EXPECT_EQ(ParseFieldNumber(u"42"), 42);
    EXPECT_EQ(ParseFieldNumber(u"  -7x"), -7);
    EXPECT_EQ(ParseFieldNumber(u"+300"), 300);
    EXPECT_EQ(ParseFieldNumber(u"letters"), 0);
    EXPECT_EQ(ParseFieldNumber(u""), 0);
    EXPECT_EQ(ParseFieldNumber(u"-"), 0);
    EXPECT_EQ(ParseFieldNumber(nullptr), 0);
    EXPECT_EQ(ParseFieldNumber(u"99999999999"), 2147483647);
    EXPECT_EQ(ParseFieldNumber(u"-99999999999"), -2147483647 - 1);
    const std::u16string pasted(10000, u'9');
    EXPECT_EQ(ParseFieldNumber(pasted.c_str()), 2147483647);
}

TEST(ColorTexts, HexReadsPairsAsScanfDoesUntilOneCannotBeRead)
{
    EXPECT_EQ(ParseHexColor(u"ff8000"), CRGBA(0x000080FF));
    EXPECT_EQ(ParseHexColor(u"FF8000"), CRGBA(0x000080FF));
    EXPECT_EQ(ParseHexColor(u"12"), CRGBA(0x00000012));
    EXPECT_EQ(ParseHexColor(u"123"), CRGBA(0x00000312));
    EXPECT_EQ(ParseHexColor(u"ff80zz"), CRGBA(0x000080FF));
    EXPECT_EQ(ParseHexColor(u"#ff8000"), CRGBA(0x000080FF));
    EXPECT_EQ(ParseHexColor(u"ff8000ee"), CRGBA(0x000080FF));
    EXPECT_EQ(ParseHexColor(u""), CRGBA(0));
    EXPECT_EQ(ParseHexColor(u"xyz"), CRGBA(0));
    EXPECT_EQ(ParseHexColor(nullptr), CRGBA(0));
    // White space before each pair is skipped; a pair ends after two digits
    // or at the first character that is no digit.
    EXPECT_EQ(ParseHexColor(u"12 34 56"), CRGBA(0x00563412));
    EXPECT_EQ(ParseHexColor(u"f 80"), CRGBA(0x0000800F));
    EXPECT_EQ(ParseHexColor(u" #\t1\n2 3"), CRGBA(0x00030201));
    EXPECT_EQ(ParseHexColor(u"12 zz 56"), CRGBA(0x00000012));
    EXPECT_EQ(ParseHexColor(u"ab#cd"), CRGBA(0x000000AB)) << "a number sign only before the first pair";
    // A sign takes one of a pair's two places: "-1" is minus one, all ones.
    EXPECT_EQ(ParseHexColor(u"-1+f-"), CRGBA(0x00000FFF));
}

TEST(ColorTexts, DecimalReadsThreeNumbersLimitedToBytes)
{
    EXPECT_EQ(ParseRgbColor(u"255,128,0"), CRGBA(0x000080FF));
    EXPECT_EQ(ParseRgbColor(u" 1 , 2 , 3 "), CRGBA(0x00030201));
    EXPECT_EQ(ParseRgbColor(u"300,-5,99999999999"), CRGBA(0x00FF00FF));
    EXPECT_EQ(ParseRgbColor(u"10,x,30"), CRGBA(0x0000000A));
    EXPECT_EQ(ParseRgbColor(u"10;20;30"), CRGBA(0x0000000A));
    EXPECT_EQ(ParseRgbColor(u""), CRGBA(0));
}
