#include "palette/ColorNameTable.h"

#include <gtest/gtest.h>

#include "tests/palette/PaletteTestSupport.h"
#include "common/Utf8.h"

namespace {

constexpr std::uint32_t kRed = 0x0000FF;
constexpr std::uint32_t kMagenta = 0xFF00FF;
constexpr std::uint32_t kGray = 0x808080;

std::string Names(const CAColorName& holder, std::uint32_t color)
{
    jx_STRING out;
    if (!holder.GetColorNames(color, out))
        return "(none)";
    return Utf16ToUtf8(out.GetBuffer());
}

} // namespace

TEST(CompareColorNameEntries, OrdersByColorThenByTextCodeUnits)
{
    const ColorNameEntry red{kRed, u"Red"};
    const ColorNameEntry lowerRed{kRed, u"red"};
    const ColorNameEntry blue{0xFF0000, u"Blue"};
    const ColorNameEntry anyRed{kRed, nullptr};
    EXPECT_LT(CompareColorNameEntries(&red, &blue, nullptr), 0);
    EXPECT_GT(CompareColorNameEntries(&blue, &red, nullptr), 0);
    EXPECT_LT(CompareColorNameEntries(&red, &lowerRed, nullptr), 0);
    EXPECT_EQ(CompareColorNameEntries(&red, &red, nullptr), 0);
    EXPECT_EQ(CompareColorNameEntries(&anyRed, &lowerRed, nullptr), 0);
    // Colors compare as a signed difference of the words.
    const ColorNameEntry high{0xF0000000, u"x"};
    EXPECT_LT(CompareColorNameEntries(&high, &red, nullptr), 0);
}

TEST(ColorNameTable, ListsEveryNameOfAColorInTableOrder)
{
    const auto table = NameTable({{kMagenta, u"Magenta"}, {kRed, u"Red"}, {kMagenta, u"Fuchsia"}});
    CAColorName holder;
    holder.SetTable(table.get());
    EXPECT_EQ(Names(holder, kMagenta), "Fuchsia\r\nMagenta");
    EXPECT_EQ(Names(holder, kRed), "Red");
    // A color that still carries alpha matches no entry.
    EXPECT_EQ(Names(holder, 0x800000FF), "(none)");
}

TEST(ColorNameTable, MakesUpNamesForUnnamedGrays)
{
    CAColorName holder(CreateColorNameTable());
    EXPECT_EQ(Names(holder, kGray), "gray 50.2%");
    EXPECT_EQ(Names(holder, 0x010101), "gray 0.4%");
    EXPECT_EQ(Names(holder, 0xFEFEFE), "gray 99.6%");
    EXPECT_EQ(Names(holder, 0x000000), "(none)");
    EXPECT_EQ(Names(holder, 0xFFFFFF), "(none)");
    EXPECT_EQ(Names(holder, 0x808081), "(none)");
    // An unheld table behaves as an empty one.
    EXPECT_EQ(Names(CAColorName(), kGray), "gray 50.2%");
}

TEST(ColorNameTable, AGrayWithANameKeepsItsName)
{
    const auto table = NameTable({{kGray, u"Gray"}});
    CAColorName holder;
    holder.SetTable(table.get());
    EXPECT_EQ(Names(holder, kGray), "Gray");
}

TEST(ColorNameTable, MergeAddsOnlyNewPairs)
{
    const auto table = NameTable({{kRed, u"Red"}});
    CAColorName holder;
    holder.SetTable(table.get());
    const auto loaded = NameTable({{kRed, u"Red"}, {kRed, u"red"}, {kMagenta, u"Fuchsia"}});
    holder.MergeTable(loaded.get());
    EXPECT_EQ(Names(holder, kRed), "Red\r\nred");
    EXPECT_EQ(Names(holder, kMagenta), "Fuchsia");
    EXPECT_EQ(loaded->Count(), 3);
    EXPECT_EQ(holder.Table()->Count(), 3);

    // A loaded table larger than the held one is taken over, the held
    // names added to it: the same names either way.
    const auto larger = NameTable({{kRed, u"red"}, {kMagenta, u"Magenta"}, {kMagenta, u"Fuchsia"}, {kRed, u"Rot"}});
    holder.MergeLoadedTable(larger.get());
    EXPECT_EQ(holder.Table(), larger.get());
    EXPECT_EQ(Names(holder, kRed), "Red\r\nRot\r\nred");
    EXPECT_EQ(Names(holder, kMagenta), "Fuchsia\r\nMagenta");
}

TEST(ColorNameTable, MergeIntoNothingHoldsTheGivenTable)
{
    CAColorName holder;
    const auto loaded = NameTable({{kRed, u"Red"}});
    holder.MergeTable(loaded.get());
    EXPECT_EQ(holder.Table(), loaded.get());
    EXPECT_EQ(Names(holder, kRed), "Red");
}

TEST(ColorNameTable, SetTableSharesTheTable)
{
    const auto table = NameTable({{kRed, u"Red"}});
    CAColorName holder;
    holder.SetTable(table.get());
    const auto replacement = NameTable({{kMagenta, u"Magenta"}});
    holder.SetTable(replacement.get());
    EXPECT_EQ(Names(holder, kRed), "(none)");
    EXPECT_EQ(Names(holder, kMagenta), "Magenta");
    holder.SetTable(holder.Table());
    EXPECT_EQ(Names(holder, kMagenta), "Magenta");
}

TEST(ColorNameTable, ANullTextKeyMatchesAnyEntryOfItsColor)
{
    const auto table = NameTable({{kRed, u"Scarlet"}, {kRed, u"Red"}});
    const ColorNameEntry key{kRed, nullptr};
    int index = -1;
    EXPECT_TRUE(table->Search(&key, &index));
    EXPECT_EQ(index, 0);
    EXPECT_EQ(std::u16string(FirstColorName(table.get(), kRed)), u"Red");
    EXPECT_EQ(FirstColorName(table.get(), kMagenta), nullptr);
}

TEST(ColorNameTable, ABatchAddsOnlyThePairsTheTableLacksAndANameMayServeTwoColors)
{
    constexpr std::uint32_t kBlue = 0xFF0000;
    const auto table = NameTable({{kRed, u"Red"}, {kBlue, u"Navy"}});
    CColorNameBatch batch;
    batch.Add(kRed, u"Red");
    batch.Add(kBlue, u"Red");
    batch.Add(kRed, u"Crimson");
    batch.Add(kBlue, u"Red");
    batch.Add(kMagenta, u"Navy");
    batch.AddTo(table.get());
    CAColorName holder;
    holder.SetTable(table.get());
    EXPECT_EQ(Names(holder, kRed), "Crimson\r\nRed");
    EXPECT_EQ(Names(holder, kBlue), "Navy\r\nRed");
    EXPECT_EQ(Names(holder, kMagenta), "Navy");

    // Sorted, these two pairs lie side by side: only their colors differ.
    const auto fresh = NameTable({});
    CColorNameBatch shared;
    shared.Add(kBlue, u"Same");
    shared.Add(kRed, u"Same");
    shared.AddTo(fresh.get());
    holder.SetTable(fresh.get());
    EXPECT_EQ(Names(holder, kRed), "Same");
    EXPECT_EQ(Names(holder, kBlue), "Same");
}
