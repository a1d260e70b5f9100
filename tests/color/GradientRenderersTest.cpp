#include "color/GradientRenderers.h"

#include <gtest/gtest.h>

#include <vector>

#include "color/FloatColor.h"
#include "color/HsvConversion.h"

namespace {

constexpr std::uint8_t kGuard = 0xCD;
constexpr int kGuardBytes = 64;

// A bottom-up 24-bit buffer with guard bytes before, after and at the end of
// each row, so a renderer that strays outside its view is caught.
class Canvas {
public:
    Canvas(int width, int height)
        : width(width), height(height), stride(DibStride(width) + 4),
          bytes(static_cast<std::size_t>(stride) * height + 2 * kGuardBytes, kGuard)
    {
    }
    PixelView View() { return {bytes.data() + kGuardBytes, width, height, stride}; }
    // x from the left, y from the top.
    CRGBA At(int x, int y) const
    {
        const std::uint8_t* p = bytes.data() + kGuardBytes + static_cast<std::size_t>(height - 1 - y) * stride + 3 * x;
        return CRGBA::FromBytes(p[2], p[1], p[0]);
    }
    bool GuardsIntact() const
    {
        for (int i = 0; i < kGuardBytes; ++i)
            if (bytes[i] != kGuard || bytes[bytes.size() - 1 - i] != kGuard)
                return false;
        for (int m = 0; m < height; ++m)
            for (int i = 3 * width; i < stride; ++i)
                if (bytes[kGuardBytes + static_cast<std::size_t>(m) * stride + i] != kGuard)
                    return false;
        return true;
    }
    bool RowsEqual(int y1, int y2) const
    {
        for (int x = 0; x < width; ++x)
            if (At(x, y1) != At(x, y2))
                return false;
        return true;
    }

    const int width;
    const int height;
    const int stride;

private:
    std::vector<std::uint8_t> bytes;
};

constexpr CRGBA kBlack{0};
constexpr CRGBA kRed{0x000000FF};
constexpr CRGBA kGreen{0x0000FF00};
constexpr CRGBA kBlue{0x00FF0000};
constexpr CRGBA kWhite{0x00FFFFFF};
constexpr CRGBA kGridWhite{0x00FFFFFF};
constexpr CRGBA kGridTan{0x00F8E0CC};

CRGBA Rgb(int r, int g, int b)
{
    return CRGBA::FromBytes(static_cast<std::uint8_t>(r), static_cast<std::uint8_t>(g), static_cast<std::uint8_t>(b));
}

} // namespace

TEST(TwoColorSlider, ApproachesTheEndColorWithoutReachingIt)
{
    Canvas canvas(256, 3);
    RenderTwoColorSlider(canvas.View(), kBlack, kRed);
    EXPECT_EQ(canvas.At(0, 0), kBlack);
    EXPECT_EQ(canvas.At(128, 0), Rgb(127, 0, 0));
    EXPECT_EQ(canvas.At(255, 0), Rgb(254, 0, 0));
    EXPECT_TRUE(canvas.RowsEqual(0, 2));
    EXPECT_TRUE(canvas.GuardsIntact());
}

TEST(TwoColorSlider, EveryValueSitsUnderItsMarkerColumn)
{
    // A marker at value v of 255 is drawn at column v/255 of the width; the
    // gradient there must show that value (within the accumulated step).
    Canvas canvas(180, 1);
    RenderTwoColorSlider(canvas.View(), Rgb(0, 40, 80), Rgb(255, 40, 80));
    for (int v = 0; v < 256; ++v) {
        const int column = std::min(179, static_cast<int>(v / 255.0f * 180));
        EXPECT_NEAR(canvas.At(column, 0).Red(), v, 2) << v;
        EXPECT_EQ(canvas.At(column, 0).Green(), 40);
    }
}

TEST(HueSlider, ShowsEveryHueAtTheCurrentSaturationAndValue)
{
    Canvas canvas(181, 2);
    RenderHueSlider(canvas.View(), CHSV::FromParts(77, 100, 100));
    EXPECT_EQ(canvas.At(0, 0), kRed);
    EXPECT_EQ(canvas.At(30, 0), Rgb(255, 255, 0));
    // From the second sector on, a sector's last step lands one pixel later.
    EXPECT_EQ(canvas.At(90, 0), Rgb(0, 255, 246));
    EXPECT_EQ(canvas.At(91, 0), Rgb(0, 255, 255));
    EXPECT_EQ(canvas.At(121, 1), Rgb(0, 0, 255));
    EXPECT_EQ(canvas.At(180, 1), Rgb(255, 0, 8));
    EXPECT_TRUE(canvas.GuardsIntact());
}

TEST(HueSlider, AGrayIsOneFlatGray)
{
    Canvas canvas(180, 4);
    RenderHueSlider(canvas.View(), CHSV::FromParts(0, 0, 50));
    for (int x = 0; x < 180; ++x)
        ASSERT_EQ(canvas.At(x, 3), Rgb(128, 128, 128)) << x;
}

TEST(AlphaSlider, LeftEdgeIsThePureCheckerboard)
{
    Canvas canvas(180, 16);
    const Checkerboard board = CheckerboardFor(2, kGridWhite, kGridTan, CheckerboardUse::AlphaSlider);
    RenderAlphaSlider(canvas.View(), kBlack, Rgb(10, 200, 30), board);
    // Cells of 8 pixels both ways, the first color at the top-left.
    EXPECT_EQ(canvas.At(0, 0), kGridWhite);
    EXPECT_EQ(canvas.At(0, 7), kGridWhite);
    EXPECT_EQ(canvas.At(0, 8), kGridTan);
    EXPECT_EQ(canvas.At(0, 15), kGridTan);
    // Column 8 starts the second cell: tan over a color of 8/180 alpha.
    const CRGBA c = canvas.At(8, 0);
    EXPECT_EQ(c.Red(), static_cast<int>(0xCC * (172.0f / 180.0f)));
    EXPECT_EQ(canvas.At(8, 8).Red(), static_cast<int>(0xFF * (172.0f / 180.0f)));
    // The right edge: 1/180 of the checkerboard over 179/180 of the color.
    EXPECT_NEAR(canvas.At(179, 0).Red(), 10 + 1, 1);
    EXPECT_NEAR(canvas.At(179, 0).Green(), 199 + 1, 1);
    EXPECT_TRUE(canvas.RowsEqual(0, 7));
    EXPECT_TRUE(canvas.RowsEqual(8, 15));
    EXPECT_FALSE(canvas.RowsEqual(0, 8));
    EXPECT_TRUE(canvas.GuardsIntact());
}

TEST(AlphaSlider, WithoutAGridModeShowsWhite)
{
    for (const int mode : {0, 4}) {
        Canvas canvas(20, 4);
        RenderAlphaSlider(canvas.View(), kBlack, kBlack,
                          CheckerboardFor(mode, kRed, kBlue, CheckerboardUse::AlphaSlider));
        for (int x = 0; x < 20; ++x)
            for (int y = 0; y < 4; ++y)
                ASSERT_EQ(canvas.At(x, y).Red(), canvas.At(x, y).Blue()) << mode << " " << x << "," << y;
        EXPECT_EQ(canvas.At(0, 0), kWhite);
        EXPECT_EQ(canvas.At(0, 1), kWhite);
    }
}

TEST(Checkerboard, CellSizesByGridMode)
{
    EXPECT_EQ(CheckerboardFor(1, kRed, kBlue, CheckerboardUse::Swatch).cell, 4);
    EXPECT_EQ(CheckerboardFor(2, kRed, kBlue, CheckerboardUse::Swatch).cell, 8);
    EXPECT_EQ(CheckerboardFor(3, kRed, kBlue, CheckerboardUse::AlphaSlider).cell, 16);
    const Checkerboard off = CheckerboardFor(7, kRed, kBlue, CheckerboardUse::Swatch);
    EXPECT_EQ(off.cell, 16);
    EXPECT_EQ(off.first, kWhite);
    EXPECT_EQ(off.second, kWhite);
    EXPECT_EQ(CheckerboardFor(-1, kRed, kBlue, CheckerboardUse::AlphaSlider).cell, 1);
}

TEST(TwoColorStrip, FadesFromTheFullChannelToBlack)
{
    Canvas canvas(17, 210);
    RenderTwoColorStrip(canvas.View(), kGreen, kBlack);
    EXPECT_EQ(canvas.At(0, 0), kGreen);
    EXPECT_EQ(canvas.At(16, 0), kGreen);
    EXPECT_EQ(canvas.At(5, 105), Rgb(0, 127, 0));
    EXPECT_EQ(canvas.At(5, 209), Rgb(0, 1, 0));
    EXPECT_TRUE(canvas.GuardsIntact());
}

TEST(HueStrip, RunsFromRedAtTheBottomToTheEndOfMagenta)
{
    Canvas canvas(11, 100);
    RenderHueStrip(canvas.View());
    EXPECT_EQ(canvas.At(0, 99), kRed);
    EXPECT_EQ(canvas.At(10, 99 - 16), Rgb(255, 247, 0));
    EXPECT_EQ(canvas.At(3, 99 - 17), Rgb(255, 255, 0));
    EXPECT_EQ(canvas.At(3, 99 - 50), Rgb(0, 255, 247));
    EXPECT_EQ(canvas.At(3, 0), Rgb(255, 0, 7));
    EXPECT_TRUE(canvas.GuardsIntact());
}

TEST(RgbField, RedModeShowsBlueAcrossAndGreenUp)
{
    Canvas canvas(219, 210);
    // The red mode: blue across, green up, red 128 held in the fixed word.
    RenderRgbField(canvas.View(), kBlack, kBlue, kGreen, Rgb(128, 0, 0));
    EXPECT_EQ(canvas.At(0, 0), Rgb(128, 255, 0));
    EXPECT_EQ(canvas.At(218, 0), Rgb(128, 255, 253));
    EXPECT_EQ(canvas.At(0, 209), Rgb(128, 1, 0));
    EXPECT_EQ(canvas.At(218, 209), Rgb(128, 1, 253));
    EXPECT_TRUE(canvas.GuardsIntact());
}

TEST(SaturationValueField, WhiteTopLeftPureHueTopRightBlackBelow)
{
    Canvas canvas(219, 210);
    RenderSaturationValueField(canvas.View(), HsvToRgb(CHSV::FromParts(30, 100, 100)));
    EXPECT_EQ(canvas.At(0, 0), kWhite);
    EXPECT_EQ(canvas.At(218, 0), Rgb(255, 128, 1));
    EXPECT_EQ(canvas.At(0, 209), Rgb(1, 1, 1));
    EXPECT_EQ(canvas.At(0, 105), Rgb(127, 127, 127));
    EXPECT_TRUE(canvas.GuardsIntact());
}

TEST(HueAcrossField, SaturationModeRisesFromBlackToTheSpectrum)
{
    Canvas canvas(219, 210);
    RenderHueAcrossField(canvas.View(), kBlack, CHSV::FromParts(0, 100, 100));
    EXPECT_EQ(canvas.At(0, 209), kBlack);
    EXPECT_EQ(canvas.At(100, 209), kBlack);
    EXPECT_EQ(canvas.At(0, 0), Rgb(253, 0, 0));
    EXPECT_EQ(canvas.At(72, 0), Rgb(9, 253, 0));
    // The clamp at the sector end keeps the rest of the falling red.
    EXPECT_EQ(canvas.At(73, 0), Rgb(2, 253, 0));
    EXPECT_TRUE(canvas.GuardsIntact());
}

TEST(AlphaSwatch, OpaqueColorShowsInBothParts)
{
    Canvas canvas(92, 41);
    const Checkerboard board = CheckerboardFor(1, kGridWhite, kGridTan, CheckerboardUse::Swatch);
    RenderAlphaSwatch(canvas.View(), CRGBA(0xFF2080C0), false, board);
    for (int y = 0; y < 41; ++y)
        for (int x = 0; x < 92; ++x)
            ASSERT_EQ(canvas.At(x, y), CRGBA(0x002080C0)) << x << "," << y;
    EXPECT_TRUE(canvas.GuardsIntact());
}

TEST(AlphaSwatch, TransparentRightPartIsThePureCheckerboardRightOfTheWave)
{
    Canvas canvas(92, 41);
    const Checkerboard board = CheckerboardFor(1, kGridWhite, kGridTan, CheckerboardUse::Swatch);
    RenderAlphaSwatch(canvas.View(), CRGBA(0x002080C0), false, board);
    // Row 0: the split is trunc(0 + 92/9.5 + 46) = 55.
    EXPECT_EQ(canvas.At(54, 0), CRGBA(0x002080C0));
    EXPECT_EQ(canvas.At(55, 0), kGridTan);
    EXPECT_EQ(canvas.At(56, 0), kGridWhite);
    // Row 1: sin(1/4.14) * 2.7 = 0.64 moves the split to 56; row 4 to 57.
    EXPECT_EQ(canvas.At(55, 1), CRGBA(0x002080C0));
    EXPECT_EQ(canvas.At(56, 1), kGridWhite);
    EXPECT_EQ(canvas.At(56, 4), CRGBA(0x002080C0));
    EXPECT_EQ(canvas.At(57, 4), kGridTan);
    EXPECT_EQ(canvas.At(57, 6), CRGBA(0x002080C0));
    EXPECT_EQ(canvas.At(58, 6), kGridTan);
}

TEST(AlphaSwatch, TheLowerSwatchContinuesTheUpperOne)
{
    const Checkerboard board = CheckerboardFor(2, kGridWhite, kGridTan, CheckerboardUse::Swatch);
    Canvas tall(92, 82);
    Canvas upper(92, 41);
    Canvas lower(92, 41);
    const CRGBA color(0x80104080);
    // A swatch twice as tall draws one continuous wave over rows 0..81: the
    // upper swatch must match its top half and the lower one its bottom half.
    RenderAlphaSwatch(upper.View(), color, false, board);
    RenderAlphaSwatch(lower.View(), color, true, board);
    RenderAlphaSwatch(tall.View(), color, false, board);
    for (int y = 0; y < 41; ++y)
        for (int x = 0; x < 92; ++x) {
            ASSERT_EQ(upper.At(x, y), tall.At(x, y)) << x << "," << y;
            ASSERT_EQ(lower.At(x, y), tall.At(x, y + 41)) << x << "," << y;
        }
}

TEST(Renderers, StayInsideTinyAndEmptyViews)
{
    const Checkerboard board = CheckerboardFor(1, kGridWhite, kGridTan, CheckerboardUse::Swatch);
    for (int width = 0; width <= 8; ++width) {
        for (int height = 0; height <= 8; ++height) {
            Canvas canvas(width, height);
            const PixelView view = canvas.View();
            RenderTwoColorSlider(view, kBlack, kWhite);
            RenderHueSlider(view, CHSV::FromParts(0, 100, 100));
            RenderAlphaSlider(view, kBlack, kRed, board);
            RenderTwoColorStrip(view, kRed, kBlack);
            RenderHueStrip(view);
            RenderRgbField(view, kBlack, kBlue, kGreen, kRed);
            RenderSaturationValueField(view, kRed);
            RenderHueAcrossField(view, kBlack, CHSV::FromParts(0, 100, 100));
            RenderAlphaSwatch(view, CRGBA(0x80FFFFFF), true, board);
            ASSERT_TRUE(canvas.GuardsIntact()) << width << "x" << height;
        }
    }
}

TEST(Renderers, RefuseViewsWhoseRowsAreTooShort)
{
    Canvas canvas(10, 2);
    PixelView view = canvas.View();
    view.stride = 29;
    RenderRgbField(view, kBlack, kBlue, kGreen, kRed);
    view.bits = nullptr;
    RenderHueStrip(view);
    EXPECT_TRUE(canvas.GuardsIntact());
    EXPECT_EQ(canvas.At(0, 0), CRGBA::FromBytes(0xCD, 0xCD, 0xCD));
}
