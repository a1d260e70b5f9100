#include "color/LayoutRules.h"

#include <gtest/gtest.h>

#include <set>

#include "resources/ResourceIds.h"

namespace {

std::uint32_t FlagsOf(int id)
{
    for (const LayoutRule& rule : PickerLayoutRules())
        if (rule.id == id)
            return rule.flags;
    return 0xFFFFFFFF;
}

} // namespace

TEST(LayoutRules, GrowingTheDialogStretchesTheFieldAndMovesTheRest)
{
    const LayoutRect field{3, 3, 248, 220};
    EXPECT_EQ(PositionControl(field, field, FlagsOf(IDC_FIELD), 40, 30), (LayoutRect{3, 3, 288, 250}));
    const LayoutRect strip{250, 3, 268, 220};
    EXPECT_EQ(PositionControl(strip, strip, FlagsOf(IDC_STRIP), 40, 30), (LayoutRect{290, 3, 308, 250}));
    const LayoutRect slider{330, 80, 530, 97};
    EXPECT_EQ(PositionControl(slider, slider, FlagsOf(IDC_RED_SLIDER), 40, 30), (LayoutRect{370, 80, 570, 97}));
    const LayoutRect swatch{70, 218, 172, 259};
    EXPECT_EQ(PositionControl(swatch, swatch, FlagsOf(IDC_ORIGINAL_SWATCH), 40, 30), (LayoutRect{70, 248, 172, 289}));
    const LayoutRect shelf{290, 195, 575, 343};
    EXPECT_EQ(PositionControl(shelf, shelf, FlagsOf(IDC_SHELF), 40, 30), (LayoutRect{330, 195, 615, 373}));
    // Smaller than recorded: the differences are negative.
    EXPECT_EQ(PositionControl(swatch, swatch, FlagsOf(IDC_ORIGINAL_SWATCH), -10, -20), (LayoutRect{70, 198, 172, 239}));
}

TEST(LayoutRules, PositionsComeFromTheRecordedRectangleNotThePreviousLayout)
{
    const LayoutRect recorded{10, 20, 110, 40};
    const LayoutRect moved{55, 20, 155, 40};
    EXPECT_EQ(PositionControl(recorded, moved, FlagsOf(IDC_RED_FIELD), 0, 0), recorded);
    // Edges the rule does not touch keep their present place.
    EXPECT_EQ(PositionControl(recorded, LayoutRect{10, 25, 110, 45}, FlagsOf(IDC_RED_FIELD), 5, 7),
              (LayoutRect{15, 25, 115, 45}));
}

TEST(LayoutRules, NoControlHasTwoRules)
{
    std::set<int> ids;
    for (const LayoutRule& rule : PickerLayoutRules())
        EXPECT_TRUE(ids.insert(rule.id).second) << rule.id;
}
