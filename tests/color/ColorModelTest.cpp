#include "color/ColorModel.h"

#include <gtest/gtest.h>

#include <cmath>

#include "color/HsvConversion.h"

namespace {

constexpr CRGBA kOrange{0x000080FF};
constexpr CRGBA kHalfAlphaOrange{0x800080FF};

CColorModel ModelWith(CRGBA color, bool alphaEnabled)
{
    CColorModel model;
    model.alphaEnabled = alphaEnabled;
    model.Install(color);
    return model;
}

} // namespace

TEST(ColorModel, StartsAllOnesAndInstallsEveryByte)
{
    CColorModel model;
    EXPECT_EQ(model.currentColor, CRGBA(0xFFFFFFFF));
    model.Install(kHalfAlphaOrange);
    EXPECT_EQ(model.currentColor, kHalfAlphaOrange);
    EXPECT_EQ(model.currentHsv, CHSV::FromParts(30, 100, 100));
}

TEST(ColorModel, ChannelValuesAreClampedToTheirRanges)
{
    CColorModel model = ModelWith(CRGBA(0x00204060), false);
    EXPECT_TRUE(model.SetChannel(kChannelRed, 300));
    EXPECT_EQ(model.currentColor.Red(), 255);
    EXPECT_TRUE(model.SetChannel(kChannelHue, -5));
    EXPECT_EQ(model.currentHsv.Hue(), 0);
    EXPECT_TRUE(model.SetChannel(kChannelSaturation, 150));
    EXPECT_EQ(model.currentHsv.Saturation(), 100);
    EXPECT_TRUE(model.SetChannel(kChannelAlpha, 1000));
    EXPECT_EQ(model.currentColor.Alpha(), 255);
}

TEST(ColorModel, UnchangedValuesAndUnknownChannelsChangeNothing)
{
    CColorModel model = ModelWith(kOrange, false);
    EXPECT_FALSE(model.SetChannel(kChannelRed, 255));
    EXPECT_FALSE(model.SetChannel(kChannelHue, 30));
    EXPECT_FALSE(model.SetChannel(7, 10));
    EXPECT_FALSE(model.SetChannel(-1, 10));
    EXPECT_FALSE(model.SetHsv(model.currentHsv));
    // Only the low 24 bits count: a new top byte alone is no new color.
    EXPECT_FALSE(model.SetColor(CRGBA(0x7F0080FF)));
    EXPECT_EQ(model.currentColor, kOrange);
}

TEST(ColorModel, EachEditedHalfRecomputesTheOther)
{
    CColorModel model = ModelWith(kOrange, false);
    const ColorChange byte = model.SetChannel(kChannelGreen, 0);
    EXPECT_TRUE(byte.changed);
    EXPECT_FALSE(byte.undoable);
    EXPECT_EQ(model.currentHsv, RgbToHsv(CRGBA(0x000000FF)));

    const ColorChange hue = model.SetChannel(kChannelHue, 120);
    EXPECT_TRUE(hue.undoable);
    EXPECT_EQ(hue.previous, CRGBA(0x000000FF));
    EXPECT_EQ(model.currentColor, CRGBA(0x0000FF00));
    // The edited half is kept as set, not round-tripped through the other.
    EXPECT_EQ(model.currentHsv, CHSV::FromParts(120, 100, 100));

    const ColorChange color = model.SetColor(CRGBA(0x00808080));
    EXPECT_TRUE(color.undoable);
    EXPECT_EQ(model.currentHsv, CHSV::FromParts(0, 0, 50));
}

TEST(ColorModel, AlphaIsKeptOnlyWhenEnabled)
{
    CColorModel without = ModelWith(kHalfAlphaOrange, false);
    without.SetChannel(kChannelHue, 200);
    EXPECT_EQ(without.currentColor.Alpha(), 0);
    EXPECT_TRUE(without.SetColor(CRGBA(0x40112233)));
    EXPECT_EQ(without.currentColor, CRGBA(0x40112233));

    CColorModel with = ModelWith(kHalfAlphaOrange, true);
    with.SetChannel(kChannelHue, 200);
    with.SetChannel(kChannelSaturation, 20);
    with.SetChannel(kChannelValue, 90);
    EXPECT_EQ(with.currentColor.Alpha(), 0x80);
    with.SetColor(CRGBA(0x40112233));
    EXPECT_EQ(with.currentColor, CRGBA(0x80112233));
    with.SetHsv(CHSV::FromParts(0, 100, 100));
    EXPECT_EQ(with.currentColor, CRGBA(0x800000FF));
    // Alpha itself is a channel like red.
    EXPECT_TRUE(with.SetChannel(kChannelAlpha, 7));
    EXPECT_EQ(with.currentColor, CRGBA(0x070000FF));
}

TEST(ColorModel, FractionsMapOntoTheWholeRange)
{
    CColorModel model = ModelWith(CRGBA(0), false);
    model.SetChannelFraction(kChannelRed, 0.5f);
    EXPECT_EQ(model.currentColor.Red(), 127);
    model.SetChannelFraction(kChannelRed, 1.0f);
    EXPECT_EQ(model.currentColor.Red(), 255);
    model.SetChannelFraction(kChannelHue, 1.0f);
    EXPECT_EQ(model.currentHsv.Hue(), 360);
    model.SetChannelFraction(kChannelValue, 2.0f);
    EXPECT_EQ(model.currentHsv.Value(), 100);
    model.SetChannelFraction(kChannelValue, std::nanf(""));
    EXPECT_EQ(model.currentHsv.Value(), 0);
    EXPECT_FLOAT_EQ(model.ChannelFraction(kChannelHue), 1.0f);
    EXPECT_FLOAT_EQ(model.ChannelFraction(kChannelRed), 0.0f);
}
