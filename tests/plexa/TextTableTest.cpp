#include "host/plexa/src/TextTable.h"

#include <gtest/gtest.h>

#include <string>

TEST(TextTable, ReadsEntriesSkippingCommentsBlankAndBrokenLines)
{
    TextTable table;
    table.Parse("# comment\r\n"
                "\r\n"
                "5=\"Ok\"\r\n"
                "#6=\"commented out\"\r\n"
                "  7 = \"Help\"  \r\n"
                "8=no quotes\r\n"
                "=\"no number\"\r\n"
                "x9=\"letters first\"\r\n"
                "10=\"Color\"");
    EXPECT_EQ(std::u16string(table.Lookup(5)), u"Ok");
    EXPECT_EQ(std::u16string(table.Lookup(7)), u"Help");
    EXPECT_EQ(std::u16string(table.Lookup(10)), u"Color");
    EXPECT_EQ(std::u16string(table.Lookup(6)), u"");
    EXPECT_EQ(std::u16string(table.Lookup(8)), u"");
    EXPECT_EQ(std::u16string(table.Lookup(9)), u"");
    EXPECT_EQ(table.Count(), 3);
}

TEST(TextTable, TurnsBackslashNIntoALineBreak)
{
    TextTable table;
    table.Parse("65=\"Left mouse button + Ctrl\\nor Right mouse button\"\n");
    EXPECT_EQ(std::u16string(table.Lookup(65)), u"Left mouse button + Ctrl\nor Right mouse button");
}

TEST(TextTable, KeepsQuotesAndBarsInsideTheText)
{
    TextTable table;
    table.Parse("47=\"Can't \"Create\" File\"\n55=\"\"\n44=\"a|b|\"\n");
    EXPECT_EQ(std::u16string(table.Lookup(47)), u"Can't \"Create\" File");
    EXPECT_EQ(std::u16string(table.Lookup(55)), u"");
    EXPECT_EQ(std::u16string(table.Lookup(44)), u"a|b|");
}

TEST(TextTable, FirstEntryOfANumberWinsAndItsTextStaysPut)
{
    TextTable table;
    table.Parse("1=\"first\"\n");
    const char16_t* first = table.Lookup(1);
    table.Parse("1=\"second\"\n2=\"more\"\n");
    EXPECT_EQ(table.Lookup(1), first);
    EXPECT_EQ(std::u16string(first), u"first");
}

TEST(TextTable, ConvertsAnsiText)
{
    TextTable table;
    table.Parse("63=\"colour \xE9\"\n");
    EXPECT_EQ(std::u16string(table.Lookup(63)), u"colour \u00E9");
}

TEST(TextTable, HugeNumbersAreNoEntries)
{
    TextTable table;
    table.Parse("99999999999999999999=\"overflow\"\n");
    EXPECT_EQ(table.Count(), 0);
}

TEST(PlaceholderTextId, AcceptsOnlyHashAndDigits)
{
    EXPECT_EQ(PlaceholderTextId(u"#5"), 5);
    EXPECT_EQ(PlaceholderTextId(u"#109"), 109);
    EXPECT_EQ(PlaceholderTextId(u"#"), -1);
    EXPECT_EQ(PlaceholderTextId(u"#5a"), -1);
    EXPECT_EQ(PlaceholderTextId(u"5"), -1);
    EXPECT_EQ(PlaceholderTextId(u"# 5"), -1);
    EXPECT_EQ(PlaceholderTextId(u"#99999999999"), -1);
    EXPECT_EQ(PlaceholderTextId(nullptr), -1);
}
