#include "dialog/WindowlessElements.h"

#include <gtest/gtest.h>

namespace {

ElementSet AllBut(int missing)
{
    ElementSet set;
    for (int element = kFirstElement; element <= kLastElement; ++element)
        if (element != missing)
            set.Add(element);
    return set;
}

} // namespace

TEST(WindowlessElements, TheKeyboardVisitsOnlyTheElementsShownInTheirOrder)
{
    const ElementSet withoutAlpha = AllBut(kElementAlphaSlider);
    EXPECT_EQ(withoutAlpha.Next(kNoElement, true), kElementField);
    EXPECT_EQ(withoutAlpha.Next(kNoElement, false), kElementShelf);
    EXPECT_EQ(withoutAlpha.Next(kElementBlueSlider, true), kElementCurrent) << "the alpha slider is not shown";
    EXPECT_EQ(withoutAlpha.Next(kElementCurrent, false), kElementBlueSlider);
    EXPECT_EQ(withoutAlpha.Next(kElementShelf, true), kNoElement);
    EXPECT_EQ(withoutAlpha.Next(kElementField, false), kNoElement);
    EXPECT_EQ(ElementSet().Next(kNoElement, true), kNoElement);

    // Positions count the elements shown, so a screen reader's children are
    // numbered without a gap.
    EXPECT_EQ(withoutAlpha.Count(), 12);
    EXPECT_EQ(withoutAlpha.Position(kElementField), 1);
    EXPECT_EQ(withoutAlpha.Position(kElementCurrent), 9);
    EXPECT_EQ(withoutAlpha.Position(kElementAlphaSlider), 0);
    EXPECT_EQ(withoutAlpha.At(9), kElementCurrent);
    EXPECT_EQ(withoutAlpha.At(12), kElementShelf);
    EXPECT_EQ(withoutAlpha.At(13), kNoElement);
    EXPECT_EQ(withoutAlpha.At(0), kNoElement);
    EXPECT_EQ(AllBut(kNoElement).Position(kElementShelf), 13);
}

TEST(WindowlessElements, SliderKeysStepByOneAndTenAndStopAtTheChannelsEnds)
{
    EXPECT_EQ(SteppedChannelValue(100, 255, StepKey::kLeft), 99);
    EXPECT_EQ(SteppedChannelValue(100, 255, StepKey::kDown), 99);
    EXPECT_EQ(SteppedChannelValue(100, 255, StepKey::kRight), 101);
    EXPECT_EQ(SteppedChannelValue(100, 255, StepKey::kUp), 101);
    EXPECT_EQ(SteppedChannelValue(100, 255, StepKey::kPageUp), 110);
    EXPECT_EQ(SteppedChannelValue(100, 255, StepKey::kPageDown), 90);
    EXPECT_EQ(SteppedChannelValue(0, 255, StepKey::kLeft), 0);
    EXPECT_EQ(SteppedChannelValue(255, 255, StepKey::kRight), 255);
    EXPECT_EQ(SteppedChannelValue(5, 100, StepKey::kPageDown), 0);
    EXPECT_EQ(SteppedChannelValue(355, 360, StepKey::kPageUp), 360);
    EXPECT_EQ(SteppedChannelValue(42, 360, StepKey::kHome), 0);
    EXPECT_EQ(SteppedChannelValue(42, 360, StepKey::kEnd), 360);
}

TEST(WindowlessElements, FieldArrowsMoveTheMarkerUpAndAcrossByOneOrTenWithShift)
{
    EXPECT_EQ(FieldStepFor(StepKey::kRight, false).across, 1);
    EXPECT_EQ(FieldStepFor(StepKey::kLeft, true).across, -10);
    EXPECT_EQ(FieldStepFor(StepKey::kUp, false).up, 1) << "up the field is more of its vertical channel";
    EXPECT_EQ(FieldStepFor(StepKey::kDown, true).up, -10);
    EXPECT_EQ(FieldStepFor(StepKey::kUp, false).across, 0);
    const FieldStep none = FieldStepFor(StepKey::kHome, false);
    EXPECT_EQ(none.across, 0);
    EXPECT_EQ(none.up, 0);
}

TEST(WindowlessElements, TheShelfsFocusCellStaysOnASlot)
{
    // 30 slots in rows of 12: the last row holds 6.
    EXPECT_EQ(ShelfCellAfterKey(0, StepKey::kLeft, 30, 12, 3), 0);
    EXPECT_EQ(ShelfCellAfterKey(11, StepKey::kRight, 30, 12, 3), 12) << "right goes on into the next row";
    EXPECT_EQ(ShelfCellAfterKey(29, StepKey::kRight, 30, 12, 3), 29);
    EXPECT_EQ(ShelfCellAfterKey(5, StepKey::kUp, 30, 12, 3), 5);
    EXPECT_EQ(ShelfCellAfterKey(5, StepKey::kDown, 30, 12, 3), 17);
    EXPECT_EQ(ShelfCellAfterKey(20, StepKey::kDown, 30, 12, 3), 29) << "no slot below: the last";
    EXPECT_EQ(ShelfCellAfterKey(26, StepKey::kDown, 30, 12, 3), 26);
    EXPECT_EQ(ShelfCellAfterKey(3, StepKey::kPageDown, 120, 12, 3), 39);
    EXPECT_EQ(ShelfCellAfterKey(100, StepKey::kPageDown, 120, 12, 3), 112) << "a page down near the end: the last row";
    EXPECT_EQ(ShelfCellAfterKey(39, StepKey::kPageUp, 120, 12, 4), 3);
    EXPECT_EQ(ShelfCellAfterKey(50, StepKey::kHome, 120, 12, 3), 0);
    EXPECT_EQ(ShelfCellAfterKey(50, StepKey::kEnd, 120, 12, 3), 119);
    EXPECT_EQ(ShelfCellAfterKey(500, StepKey::kLeft, 120, 12, 3), 118) << "a cell past a shrunk palette";
    EXPECT_EQ(ShelfCellAfterKey(4, StepKey::kDown, 0, 12, 3), 0);
}

TEST(WindowlessElements, TabPassesAPlaceStrictlyBetweenGoingRound)
{
    EXPECT_TRUE(TabPasses(2, 9, 7, true));
    EXPECT_FALSE(TabPasses(2, 6, 7, true));
    EXPECT_TRUE(TabPasses(30, 2, 35, true)) << "round from the last control";
    EXPECT_TRUE(TabPasses(30, 2, 1, true));
    EXPECT_FALSE(TabPasses(30, 2, 10, true));
    EXPECT_TRUE(TabPasses(9, 2, 7, false));
    EXPECT_FALSE(TabPasses(2, 9, 7, false)) << "Shift+Tab from 2 to 9 goes round the other way";
    EXPECT_TRUE(TabPasses(2, 30, 35, false));
    EXPECT_FALSE(TabPasses(4, 4, 7, true) && TabPasses(4, 4, 4, true));
}

TEST(WindowlessElements, ScreenReadersReadNamesAndNumbers)
{
    EXPECT_EQ(FieldValueText(u"Saturation", 71, u"Value", 88), u"Saturation 71, Value 88");
    EXPECT_EQ(ColorValueText(CRGBA::FromBytes(0xE0, 0xA0, 0x40), nullptr), u"#E0A040");
    EXPECT_EQ(ColorValueText(CRGBA::FromBytes(0xFF, 0xA5, 0x00), u"Orange"), u"#FFA500 Orange");
    EXPECT_EQ(ColorValueText(CRGBA::FromBytes(0, 0, 0), u""), u"#000000");
    EXPECT_EQ(WithoutColon(u"Current:"), u"Current");
    EXPECT_EQ(WithoutColon(u"Original"), u"Original");
    EXPECT_EQ(WithoutColon(nullptr), u"");
}
