#include "dialog/Placement.h"
#include "dialog/TipTexts.h"

#include <gtest/gtest.h>

#include <cmath>
#include <string>

#include "plexa/jx_REF.h"

namespace {

constexpr PlacementSize kDesktop{1280, 1024};
constexpr PlacementSize kTemplate{627, 346};
constexpr PlacementSize kMinimum{627, 346};
constexpr PlacementSize kLargest{1920, 1080};

WindowPlacement FromSettings(float x, float y, PlacementSize stored, bool compact = false)
{
    return PlacementFromSettings(x, y, stored, kDesktop, kTemplate, kMinimum, kLargest, compact, 330);
}

std::u16string Tip(const CAColorName& names, CRGBA color, const char16_t* hint)
{
    return SwatchTipText(names, color, hint).GetBuffer();
}

} // namespace

TEST(Placement, FirstRunCentersTheTemplateSize)
{
    const WindowPlacement placement = FromSettings(0.5f, 0.5f, {0, 0});
    EXPECT_EQ(placement.left, 640 - 313);
    EXPECT_EQ(placement.top, 512 - 173);
    EXPECT_EQ(placement.width, 627);
    EXPECT_EQ(FromSettings(0.5f, 0.5f, {0, 0}, true).width, 297);
}

TEST(Placement, HandWrittenValuesAreClampedAndNonNumbersCenter)
{
    EXPECT_EQ(FromSettings(1.7f, 0.5f, {0, 0}).left, 1280 - 313);
    EXPECT_EQ(FromSettings(-0.2f, 0.5f, {0, 0}).left, -313);
    EXPECT_EQ(FromSettings(std::nanf(""), INFINITY, {0, 0}).left, 640 - 313);
    EXPECT_EQ(FromSettings(0.5f, INFINITY, {0, 0}).top, 1024 - 173);
    EXPECT_EQ(FromSettings(0.5f, 0.5f, {100, 90}).width, 627) << "below the minimum";
    EXPECT_EQ(FromSettings(0.5f, 0.5f, {99999, 99999}).height, 1080) << "beyond every screen";
    EXPECT_EQ(FromSettings(0.5f, 0.5f, {-5, 400}).height, 346) << "no usable size: the template's";
}

TEST(Placement, CompactWindowsAreStoredAtFullWidthAndReadBackInPlace)
{
    const WindowPlacement compact{100, 200, 400, 300};
    const StoredPlacement stored = PlacementToSettings(compact, kDesktop, true, 330);
    EXPECT_EQ(stored.width, 730);
    EXPECT_FLOAT_EQ(stored.x, (100 + 365) / 1280.0f);
    EXPECT_FLOAT_EQ(stored.y, (200 + 150) / 1024.0f);
    const WindowPlacement back = PlacementFromSettings(stored.x, stored.y, {stored.width, stored.height}, kDesktop,
                                                       kTemplate, {400, 300}, kLargest, true, 330);
    EXPECT_EQ(back.left, 100);
    EXPECT_EQ(back.top, 200);
    EXPECT_EQ(back.width, 400);
}

TEST(Placement, AWindowWhollyOffEveryWorkAreaIsMovedOntoTheNearest)
{
    const std::vector<DesktopRect> areas{{0, 0, 1280, 994}, {1280, 100, 2560, 1124}};
    // Its right edge on the left edge of the first area: no part shows.
    EXPECT_EQ(KeepOnAWorkArea({-317, 814, 317, 346}, areas).left, 0);
    EXPECT_EQ(KeepOnAWorkArea({-317, 814, 317, 346}, areas).top, 814 - 166) << "brought up off the taskbar too";
    // One column on the area: it stays as placed.
    EXPECT_EQ(KeepOnAWorkArea({-316, 814, 317, 346}, areas).left, -316);
    // Below the second area, wider than neither: onto the second, whole.
    const WindowPlacement below = KeepOnAWorkArea({2500, 1200, 300, 200}, areas);
    EXPECT_EQ(below.left, 2560 - 300);
    EXPECT_EQ(below.top, 1124 - 200);
    EXPECT_EQ(below.width, 300);
    // Larger than the area it goes to: its top left corner at the area's.
    const WindowPlacement large = KeepOnAWorkArea({-5000, -5000, 3000, 2000}, areas);
    EXPECT_EQ(large.left, 0);
    EXPECT_EQ(large.top, 0);
    EXPECT_EQ(large.height, 2000);
    EXPECT_EQ(KeepOnAWorkArea({-5000, 0, 10, 10}, {}).left, -5000) << "no work areas known: as placed";
    // Touching an area's right or bottom edge from outside is no part on it.
    const std::vector<DesktopRect> one{{0, 0, 1280, 994}};
    EXPECT_EQ(KeepOnAWorkArea({1280, 100, 300, 200}, one).left, 980);
    EXPECT_EQ(KeepOnAWorkArea({100, 994, 300, 200}, one).top, 794);
    EXPECT_EQ(KeepOnAWorkArea({1279, 993, 300, 200}, one).left, 1279) << "one pixel on it";
}

TEST(TipTexts, SwatchTipsShowNamesNumbersAndTheHint)
{
    const jx_REF<jx_SORTEDCOLLECTION> table(CreateColorNameTable());
    CColorNameBatch orange;
    orange.Add(0x000080FF, u"Orange");
    orange.AddTo(table.get());
    CAColorName names;
    names.SetTable(table.get());
    EXPECT_EQ(Tip(names, CRGBA(0x00102030), nullptr), u"RGB(48,32,16)\r\nHex=302010");
    EXPECT_EQ(Tip(names, CRGBA(0x000080FF), u"Click"), u"Orange\r\nRGB(255,128,0)\r\nHex=FF8000\r\n\r\nClick");
    // With alpha the whole word is looked up: no name.
    EXPECT_EQ(Tip(names, CRGBA(0x800080FF), nullptr), u"RGB(255,128,0)\r\nHex=FF8000");
}
