#include "color/ControlGeometry.h"

#include <gtest/gtest.h>

#include <cmath>

namespace {

CControlGeometry Control(int left, int top, int width, int height)
{
    CControlGeometry control;
    control.TakeRect(left, top, width, height);
    control.flags = 0;
    return control;
}

} // namespace

TEST(ControlGeometry, ANewExtentMarksTheSizeChangedAndNoExtentIsZero)
{
    CControlGeometry control;
    EXPECT_EQ(control.flags & (kSizeChanged | kContentChanged), kSizeChanged | kContentChanged);
    control = Control(10, 20, 30, 40);
    control.TakeRect(50, 60, 30, 40);
    EXPECT_EQ(control.flags, 0u) << "a move alone keeps the buffer";
    EXPECT_EQ(control.left, 50);
    control.TakeRect(50, 60, 0, 40);
    EXPECT_EQ(control.flags, static_cast<std::uint32_t>(kSizeChanged));
    EXPECT_EQ(control.width, 1);
}

TEST(ControlGeometry, ContainsPointsWithinTheMargins)
{
    const CControlGeometry slider = Control(100, 50, 120, 10);
    EXPECT_TRUE(slider.Contains(96, 49, 4, 1));
    EXPECT_TRUE(slider.Contains(223, 60, 4, 1));
    EXPECT_FALSE(slider.Contains(224, 55, 4, 1));
    EXPECT_FALSE(slider.Contains(95, 55, 4, 1));
    EXPECT_FALSE(slider.Contains(100, 61, 4, 1));
    EXPECT_FALSE(slider.Contains(220, 55, 0, 0));
}

TEST(ControlGeometry, PointerPositionsBecomeClampedFractions)
{
    const CControlGeometry field = Control(10, 20, 200, 100);
    EXPECT_EQ(field.FractionAcross(5), 0.0f);
    EXPECT_EQ(field.FractionAcross(110), 0.5f);
    EXPECT_EQ(field.FractionAcross(210), 1.0f);
    EXPECT_EQ(field.FractionAcross(500), 1.0f);
    EXPECT_EQ(field.FractionUp(120), 0.0f) << "the row below the field is the bottom of the range";
    EXPECT_EQ(field.FractionUp(20), 1.0f);
    EXPECT_EQ(field.FractionUp(-40), 1.0f);
    EXPECT_EQ(field.FractionUp(95), 0.25f);
}

TEST(ControlGeometry, MarkersSitOnTheOuterColumnsAndRowsAtTheEnds)
{
    const CControlGeometry slider = Control(100, 50, 120, 10);
    EXPECT_EQ(slider.MarkerColumn(0.0f), 100);
    EXPECT_EQ(slider.MarkerColumn(1.0f), 219);
    EXPECT_EQ(slider.MarkerColumn(0.5f), 159);
    EXPECT_EQ(slider.MarkerRow(0.0f), 59);
    EXPECT_EQ(slider.MarkerRow(1.0f), 50);
    EXPECT_EQ(slider.MarkerColumn(std::nanf("")), 100);
    EXPECT_EQ(slider.MarkerColumn(7.0f), 219);
}
