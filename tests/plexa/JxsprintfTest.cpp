#include "plexa/TextHelpers.h"

#include <gtest/gtest.h>

#include <climits>
#include <string>

namespace {

template <typename... Args> std::u16string Format(const char16_t* format, Args... args)
{
    char16_t buffer[260];
    const int written = jxsprintf(buffer, 260, format, args...);
    EXPECT_EQ(written, static_cast<int>(std::u16string(buffer).size()));
    return buffer;
}

} // namespace

TEST(Jxsprintf, FormatsTheColorTipTexts)
{
    EXPECT_EQ(Format(u"RGB(%d,%d,%d)\r\nHex=%02X%02X%02X", 255, 128, 0, 255, 128, 0), u"RGB(255,128,0)\r\nHex=FF8000");
    EXPECT_EQ(Format(u"#%02x%02x%02x", 10, 0, 255), u"#0a00ff");
}

TEST(Jxsprintf, IntegersWithFlagsWidthPrecisionAndLengths)
{
    EXPECT_EQ(Format(u"[%5d|%-5d|%05d|%+d|% d]", 42, 42, 42, 42, 42), u"[   42|42   |00042|+42| 42]");
    EXPECT_EQ(Format(u"%.3d %u %o %#x", 7, 4000000000u, 8, 255), u"007 4000000000 10 0xff");
    EXPECT_EQ(Format(u"%d %ld %lld", INT_MIN, -5L, -9000000000LL), u"-2147483648 -5 -9000000000");
    EXPECT_EQ(Format(u"%hd %hhu %zu", 70000, 300, static_cast<std::size_t>(12)), u"4464 44 12");
    EXPECT_EQ(Format(u"%*d|%-*d|%.*d", 4, 1, 3, 2, 2, 3), u"   1|2  |03");
    EXPECT_EQ(Format(u"%*d", -3, 5), u"5  ");
}

TEST(Jxsprintf, TextAndCharacters)
{
    EXPECT_EQ(Format(u"%s and %hs", u"wide \u00E9", "narrow"), u"wide \u00E9 and narrow");
    EXPECT_EQ(Format(u"[%6s|%-6s|%.2s]", u"ab", u"ab", u"abcdef"), u"[    ab|ab    |ab]");
    EXPECT_EQ(Format(u"%c%c", u'\u263A', 'x'), u"\u263Ax");
    EXPECT_EQ(Format(u"%s", static_cast<const char16_t*>(nullptr)), u"(null)");
    EXPECT_EQ(Format(u"100%%"), u"100%");
}

TEST(Jxsprintf, FloatingPoint)
{
    EXPECT_EQ(Format(u"%.2f %e %g", 3.14159, 1500.0, 0.5), u"3.14 1.500000e+03 0.5");
    EXPECT_EQ(Format(u"%8.3f|", -1.5), u"  -1.500|");
}

TEST(Jxsprintf, CutsToTheBufferAndSaysSo)
{
    char16_t buffer[6];
    EXPECT_EQ(jxsprintf(buffer, 6, u"%s", u"abcdefgh"), -1);
    EXPECT_EQ(std::u16string(buffer), u"abcde");
    EXPECT_EQ(jxsprintf(buffer, 6, u"%d", 123456789), -1);
    EXPECT_EQ(std::u16string(buffer), u"12345");
    EXPECT_EQ(jxsprintf(buffer, 6, u"abcde"), 5);
    EXPECT_EQ(jxsprintf(buffer, 0, u"abc"), -1);
    EXPECT_EQ(jxsprintf(nullptr, 6, u"abc"), -1);
}

TEST(Jxsprintf, HugeWidthsStayInsideTheBuffer)
{
    char16_t buffer[1000];
    const int written = jxsprintf(buffer, 1000, u"%999999d|%.999999f", 1, 1.0);
    EXPECT_GT(written, 0);
    EXPECT_LT(written, 1000);
}

TEST(Jxsprintf, StopsAtConversionsItRefuses)
{
    int count = 0;
    EXPECT_EQ(Format(u"ab%ncd", &count), u"ab");
    EXPECT_EQ(count, 0);
    EXPECT_EQ(Format(u"ab%"), u"ab");
    EXPECT_EQ(Format(u"ab%q"), u"ab");
}
