#include "palette/PaletteSlots.h"

#include <gtest/gtest.h>

#include "tests/palette/PaletteTestSupport.h"

namespace {

CPaletteSlots UsedUpTo(int count, int lastUsed, int rows)
{
    CPaletteSlots slots;
    slots.SetSlotCount(count);
    for (int i = 0; i <= lastUsed; ++i)
        slots.Set(i, static_cast<std::uint32_t>(i));
    slots.SetRows(rows);
    return slots;
}

} // namespace

TEST(PaletteSlots, ResizingKeepsTheFirstSlotsAndEmptiesNewOnes)
{
    CPaletteSlots slots = UsedUpTo(24, 23, 2);
    EXPECT_TRUE(slots.SetSlotCount(36));
    EXPECT_EQ(slots.At(23), 23u);
    EXPECT_EQ(slots.At(24), EMPTY_SLOT);
    EXPECT_EQ(slots.At(35), EMPTY_SLOT);
    EXPECT_TRUE(slots.SetSlotCount(24));
    EXPECT_EQ(slots.Count(), 24);
    EXPECT_EQ(slots.At(23), 23u);
    EXPECT_FALSE(slots.SetSlotCount(24));
    EXPECT_TRUE(slots.SetSlotCount(0));
    EXPECT_EQ(slots.Data(), nullptr);
    EXPECT_FALSE(slots.SetSlotCount(-5));
}

TEST(PaletteSlots, NormalizeRowsKeepsOneTrailingEmptyRow)
{
    struct Case {
        int count, lastUsed, rows, minimum, expected;
    };
    const Case cases[] = {
        {0, -1, 0, 0, 12},  // nothing: one empty row
        {5, 4, 0, 0, 24},   // a part row in use grows a row
        {36, 11, 3, 0, 24}, // two empty rows: one is dropped
        {24, 11, 2, 0, 24}, // exactly one empty row: unchanged
        {72, 0, 6, 0, 24},  // surplus empty rows are all dropped but one
        {12, 11, 1, 0, 24}, // a full row grows a row
        {24, 3, 2, 30, 48}, // room for slot 29 and one more row
        {24, 3, 2, 24, 36}, // minimum equal to the count
        {48, -1, 4, 0, 12}, // all empty: one row is left
    };
    for (const Case& c : cases) {
        CPaletteSlots slots = UsedUpTo(c.count, c.lastUsed, c.rows);
        slots.NormalizeRows(c.minimum);
        EXPECT_EQ(slots.Count(), c.expected) << c.count << " " << c.lastUsed << " " << c.minimum;
        EXPECT_EQ(slots.Rows() * slots.Columns(), slots.Count()) << c.count << " " << c.lastUsed;
        for (int i = 0; i <= std::min(c.lastUsed, slots.Count() - 1); ++i)
            ASSERT_EQ(slots.At(i), static_cast<std::uint32_t>(i));
    }
}

TEST(PaletteSlots, LastUsedSkipsTrailingEmptySlots)
{
    const CPaletteSlots slots = SlotsOf({1, EMPTY_SLOT, 2, EMPTY_SLOT, EMPTY_SLOT});
    EXPECT_EQ(slots.LastUsed(), 2);
    EXPECT_EQ(SlotsOf({EMPTY_SLOT}).LastUsed(), -1);
    EXPECT_EQ(CPaletteSlots().LastUsed(), -1);
}
