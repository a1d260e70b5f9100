#include <gtest/gtest.h>

#include "dialog/LoupeFootprints.h"
#include "dialog/LoupeImage.h"
#include "dialog/Placement.h"

namespace {

// A loupe picture in a buffer of its own, read back pixel by pixel.
class LoupePicture {
public:
    LoupePicture() : bytes(static_cast<std::size_t>(DibStride(kLoupeWidth) * kLoupeHeight), 0x5A)
    {
        view = {bytes.data(), kLoupeWidth, kLoupeHeight, DibStride(kLoupeWidth)};
    }
    const PixelView& View() const { return view; }
    CRGBA At(int x, int y) const
    {
        const std::uint8_t* pixel = view.RowFromTop(y) + 3 * x;
        return CRGBA::FromBytes(pixel[2], pixel[1], pixel[0]);
    }

private:
    std::vector<std::uint8_t> bytes;
    PixelView view;
};

// Every cell a color of its own: red its column, green its row.
std::vector<CRGBA> NumberedCells()
{
    std::vector<CRGBA> cells;
    for (int row = 0; row < kLoupeCells; ++row)
        for (int column = 0; column < kLoupeCells; ++column)
            cells.push_back(
                CRGBA::FromBytes(static_cast<std::uint8_t>(10 * column), static_cast<std::uint8_t>(10 * row), 200));
    return cells;
}

constexpr CRGBA kBlack(0x000000), kWhite(0xFFFFFF);

// One pixel read at (x, y) as `read`, without the loupe.
CRGBA Beneath(const LoupeFootprints& footprints, int x, int y, CRGBA read)
{
    std::vector<CRGBA> pixel{read};
    footprints.TakeOut({x, y, 1, 1}, pixel);
    return pixel[0];
}

} // namespace

TEST(LoupeImage, EachPixelIsAnEightPixelBlockWithAGridLineAfterIt)
{
    LoupePicture picture;
    const std::vector<CRGBA> cells = NumberedCells();
    RenderLoupe(cells, 1, CRGBA(0x336699), picture.View());
    ASSERT_EQ(kLoupeWidth, 100);
    for (int row = 0; row < kLoupeCells; ++row)
        for (int column = 0; column < kLoupeCells; ++column) {
            const CRGBA cell = cells[static_cast<std::size_t>(row * kLoupeCells + column)];
            EXPECT_EQ(picture.At(1 + 9 * column, 1 + 9 * row), cell) << column << "," << row;
            EXPECT_EQ(picture.At(8 + 9 * column, 8 + 9 * row), cell) << column << "," << row;
        }
    // The grid on the first and last lines and between the corner cells.
    for (const int line : {0, 9, 99})
        EXPECT_EQ(picture.At(line, 3), kLoupeGridColor) << line;
    EXPECT_EQ(picture.At(3, 99), kLoupeGridColor);
    EXPECT_EQ(picture.At(99, 99), kLoupeGridColor);
}

TEST(LoupeImage, TheFrameRunsOnTheGridAroundTheCellsTakenInAContrastingColor)
{
    LoupePicture picture;
    const std::vector<CRGBA> cells = NumberedCells();
    RenderLoupe(cells, 1, CRGBA(0x202020), picture.View());
    // The middle cell, 5, is framed by the lines at 45 and 54: white against a dark color.
    for (const int along : {45, 50, 54}) {
        EXPECT_EQ(picture.At(along, 45), kWhite) << along;
        EXPECT_EQ(picture.At(along, 54), kWhite) << along;
        EXPECT_EQ(picture.At(45, along), kWhite) << along;
        EXPECT_EQ(picture.At(54, along), kWhite) << along;
    }
    EXPECT_EQ(picture.At(46, 46), cells[5 * 11 + 5]) << "the framed cell is seen whole";
    EXPECT_EQ(picture.At(44, 45), kLoupeGridColor) << "the frame ends at its corner";
    EXPECT_EQ(picture.At(63, 63), kLoupeGridColor);

    RenderLoupe(cells, 5, CRGBA(0xE0E0E0), picture.View());
    // Five cells from cell 3: lines 27 and 72, black against a light color.
    EXPECT_EQ(picture.At(27, 27), kBlack);
    EXPECT_EQ(picture.At(72, 50), kBlack);
    EXPECT_EQ(picture.At(50, 72), kBlack);
    EXPECT_EQ(picture.At(45, 45), kLoupeGridColor) << "no frame around the middle cell alone";
    EXPECT_EQ(picture.At(26, 27), kLoupeGridColor);
}

TEST(LoupeImage, TheBandBelowShowsTheColorTakenInsideAGrayOutline)
{
    LoupePicture picture;
    RenderLoupe(NumberedCells(), 3, CRGBA(0x4080E0), picture.View());
    EXPECT_EQ(picture.At(50, 110), CRGBA(0x4080E0));
    EXPECT_EQ(picture.At(1, 100), CRGBA(0x4080E0));
    EXPECT_EQ(picture.At(98, 118), CRGBA(0x4080E0));
    EXPECT_EQ(picture.At(0, 110), kLoupeGridColor);
    EXPECT_EQ(picture.At(99, 110), kLoupeGridColor);
    EXPECT_EQ(picture.At(50, 119), kLoupeGridColor);
}

TEST(LoupeImage, NothingIsDrawnIntoAViewOfAnotherSizeOrFromTooFewCells)
{
    LoupePicture picture;
    RenderLoupe(std::vector<CRGBA>(120, kBlack), 1, kBlack, picture.View());
    EXPECT_EQ(picture.At(0, 0), CRGBA(0x5A5A5A));
    PixelView smaller = picture.View();
    smaller.height = kLoupeHeight - 1;
    RenderLoupe(NumberedCells(), 1, kBlack, smaller);
    EXPECT_EQ(picture.At(0, 0), CRGBA(0x5A5A5A));
}

TEST(LoupeImage, TheContrastColorIsWhicheverOfBlackAndWhiteStandsOutMore)
{
    EXPECT_EQ(LoupeContrastColor(kBlack), kWhite);
    EXPECT_EQ(LoupeContrastColor(kWhite), kBlack);
    // Luminance 0.1791 is where the two contrasts are equal: #757575 (0.1779) is just below it, #767676 (0.1812) above.
    EXPECT_EQ(LoupeContrastColor(CRGBA(0x757575)), kWhite);
    EXPECT_EQ(LoupeContrastColor(CRGBA(0x767676)), kBlack);
    EXPECT_EQ(LoupeContrastColor(CRGBA(0xFF0000)), kWhite) << "pure blue, 0.0722, is dark";
    EXPECT_EQ(LoupeContrastColor(CRGBA(0x0000FF)), kBlack) << "pure red, 0.2126, is light";
}

TEST(LoupePlace, BesideTheHotSpotFlippedAtTheMonitorsEdgesAndKeptOnIt)
{
    const std::vector<DesktopRect> one{{0, 0, 1920, 1200}};
    const WindowPlacement inside = LoupePlace(500, 400, 100, 120, one);
    EXPECT_EQ(inside.left, 515);
    EXPECT_EQ(inside.top, 415);
    // It fits exactly at the right and bottom edges; one pixel on, it flips.
    EXPECT_EQ(LoupePlace(1805, 1065, 100, 120, one).left, 1820);
    EXPECT_EQ(LoupePlace(1805, 1065, 100, 120, one).top, 1080);
    EXPECT_EQ(LoupePlace(1806, 1066, 100, 120, one).left, 1691);
    EXPECT_EQ(LoupePlace(1806, 1066, 100, 120, one).top, 931);
    // A monitor too small for both sides: its top left corner.
    EXPECT_EQ(LoupePlace(50, 50, 100, 120, {{0, 0, 80, 90}}).left, 0);
    EXPECT_EQ(LoupePlace(50, 50, 100, 120, {{0, 0, 80, 90}}).top, 0);
    EXPECT_EQ(LoupePlace(50, 50, 100, 120, {}).left, 65) << "no monitors known";
}

TEST(LoupePlace, OnTheHotSpotsOwnMonitorOrTheNearest)
{
    // A second monitor to the left, lower down.
    const std::vector<DesktopRect> two{{0, 0, 1920, 1200}, {-1280, 200, 0, 1224}};
    EXPECT_EQ(LoupePlace(-10, 300, 100, 120, two).left, -125) << "flipped at its own right edge";
    EXPECT_EQ(LoupePlace(-1, 300, 100, 120, two).left, -116) << "its last column is its own";
    EXPECT_EQ(LoupePlace(0, 300, 100, 120, two).left, 15);
    // Above the second monitor, left of the first: the nearer is the second (10 rows away).
    EXPECT_EQ(LoupePlace(-30, 190, 100, 120, two).top, 205);
    EXPECT_EQ(LoupePlace(-30, 190, 100, 120, two).left, -145);
}

TEST(LoupeFootprints, APixelReadAsTheLoupeShowedItIsWhatWasBeneath)
{
    LoupeFootprints footprints;
    const CRGBA shown(0x00FF00), beneath(0x0000FF), other(0x123456);
    footprints.Add({10, 20, 2, 2}, std::vector<CRGBA>(4, shown), std::vector<CRGBA>(4, beneath));
    EXPECT_EQ(Beneath(footprints, 10, 20, shown), beneath);
    EXPECT_EQ(Beneath(footprints, 11, 21, shown), beneath) << "its last pixel";
    EXPECT_EQ(Beneath(footprints, 12, 21, shown), shown) << "just past it";
    EXPECT_EQ(Beneath(footprints, 11, 22, shown), shown);
    EXPECT_EQ(Beneath(footprints, 10, 20, other), other) << "the window beneath painted again";
    EXPECT_EQ(Beneath(footprints, 10, 20, CRGBA(shown.value | 0xFF000000u)), beneath) << "alpha is not read";
}

TEST(LoupeFootprints, AnOlderPlaceAnswersWhereTheNewerOneShowedSomethingElse)
{
    LoupeFootprints footprints;
    const CRGBA first(0x111111), second(0x222222), screen(0x999999);
    footprints.Add({0, 0, 4, 1}, std::vector<CRGBA>(4, first), std::vector<CRGBA>(4, screen));
    // The second place overlaps the first; what it had beneath was partly the first loupe.
    footprints.Add({2, 0, 4, 1}, std::vector<CRGBA>(4, second), std::vector<CRGBA>(4, screen));
    EXPECT_EQ(Beneath(footprints, 3, 0, second), screen);
    EXPECT_EQ(Beneath(footprints, 3, 0, first), screen) << "left behind by the first";
    EXPECT_EQ(Beneath(footprints, 0, 0, first), screen);

    // A row read across both places at once.
    std::vector<CRGBA> row{first, first, second, CRGBA(0x123456), second, screen, first};
    footprints.TakeOut({0, 0, 7, 1}, row);
    EXPECT_EQ(row, (std::vector<CRGBA>{screen, screen, screen, CRGBA(0x123456), screen, screen, first}));
}

TEST(LoupeFootprints, OnlyTheLastPlacesAreKeptAndMisfitPicturesNone)
{
    LoupeFootprints footprints;
    const CRGBA shown(0x00FF00), beneath(0x0000FF);
    footprints.Add({0, 0, 1, 1}, {shown}, {beneath});
    for (std::size_t i = 1; i < LoupeFootprints::kKept; ++i)
        footprints.Add({100, 0, 1, 1}, {CRGBA(0x777777)}, {CRGBA(0x777777)});
    EXPECT_EQ(Beneath(footprints, 0, 0, shown), beneath) << "the oldest of those kept";
    footprints.Add({100, 0, 1, 1}, {CRGBA(0x777777)}, {CRGBA(0x777777)});
    EXPECT_EQ(Beneath(footprints, 0, 0, shown), shown);

    footprints.Add({0, 0, 2, 1}, {shown}, {beneath, beneath});
    footprints.Add({0, 0, 0, 1}, {}, {});
    EXPECT_EQ(Beneath(footprints, 0, 0, shown), shown);
}
