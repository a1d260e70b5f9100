#include "common/Utf8.h"

#include <gtest/gtest.h>

TEST(Utf8, RoundTripsEveryPlane)
{
    const std::u16string text = u"A\u00E9\u65E5\U0001F600";
    EXPECT_EQ(Utf16ToUtf8(text), "A\xC3\xA9\xE6\x97\xA5\xF0\x9F\x98\x80");
    EXPECT_EQ(Utf8ToUtf16(Utf16ToUtf8(text)), text);
}

TEST(Utf8, MalformedInputBecomesReplacementCharacters)
{
    EXPECT_EQ(Utf8ToUtf16("a\x80"
                          "b"),
              u"a\uFFFDb");
    EXPECT_EQ(Utf8ToUtf16("\xC0\xAF"), u"\uFFFD\uFFFD");           // overlong '/'
    EXPECT_EQ(Utf8ToUtf16("\xED\xA0\x80"), u"\uFFFD\uFFFD\uFFFD"); // a surrogate
    EXPECT_EQ(Utf8ToUtf16("\xE6\x97"), u"\uFFFD\uFFFD");           // cut short
    EXPECT_EQ(Utf16ToUtf8(std::u16string(1, u'\xD800')), "\xEF\xBF\xBD");
}

TEST(Utf8, BufferConversionsCutAtWholeCharacters)
{
    char16_t units[4];
    EXPECT_EQ(Utf8ToUtf16Buffer("ab\xF0\x9F\x98\x80", units, 4), 2);
    EXPECT_EQ(std::u16string(units), u"ab");
    EXPECT_EQ(Utf8ToUtf16Buffer("a\xF0\x9F\x98\x80", units, 4), 3);
    EXPECT_EQ(std::u16string(units), u"a\U0001F600");

    char buffer[6];
    EXPECT_EQ(Utf16ToUtf8Buffer(u"ab\u65E5\u65E5", buffer, 6), 5);
    EXPECT_STREQ(buffer, "ab\xE6\x97\xA5");
    EXPECT_EQ(Utf16ToUtf8Buffer(u"\u65E5", buffer, 3), 0);
    EXPECT_STREQ(buffer, "");
    EXPECT_EQ(Utf16ToUtf8Buffer(u"x", buffer, 0), 0);
}

TEST(Utf8, FileNamesThatAreNoUtf8GoBackToTheirBytes)
{
    const std::string name = std::string("caf\xE9-\xC3\xA9-\xF0\x9F\x8E\xA8-\xFF.gpl");
    const std::u16string path = PathBytesToUtf16(name);
    EXPECT_EQ(path, u"caf\xDCE9-\u00E9-\U0001F3A8-\xDCFF.gpl");
    EXPECT_EQ(Utf16ToPathBytes(path), name);
}

// The last and first characters of each length, both ways, and the forms
// one byte too long for the characters just below each boundary.
TEST(Utf8, EachLengthBeginsAndEndsWhereItShould)
{
    const std::u16string edges = u"\u007F\u0080\u07FF\u0800\uFFFF\U00010000\U0010FFFF";
    const std::string bytes = "\x7F\xC2\x80\xDF\xBF\xE0\xA0\x80\xEF\xBF\xBF\xF0\x90\x80\x80\xF4\x8F\xBF\xBF";
    EXPECT_EQ(Utf16ToUtf8(edges), bytes);
    EXPECT_EQ(Utf8ToUtf16(bytes), edges);
    EXPECT_EQ(ValidUtf8(bytes), bytes);
    EXPECT_EQ(Utf8ToUtf16("\xE0\x9F\xBF"), u"\uFFFD\uFFFD\uFFFD");           // U+07FF in three bytes
    EXPECT_EQ(Utf8ToUtf16("\xF0\x8F\xBF\xBF"), u"\uFFFD\uFFFD\uFFFD\uFFFD"); // U+FFFF in four
    EXPECT_EQ(Utf8ToUtf16("\xF4\x90\x80\x80"), u"\uFFFD\uFFFD\uFFFD\uFFFD"); // beyond U+10FFFF
    EXPECT_EQ(ValidUtf8("a\xE0\x9F\xBF"), "a\xEF\xBF\xBD\xEF\xBF\xBD\xEF\xBF\xBD");
}
