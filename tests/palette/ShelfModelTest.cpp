#include "palette/ShelfModel.h"
#include "palette/ShelfRenderer.h"

#include <gtest/gtest.h>

#include <vector>

namespace {

constexpr std::uint32_t kRed = 0x0000FF;
constexpr std::uint32_t kBlue = 0xFF0000;

CShelfModel Shelf(std::vector<std::uint32_t> values, int width = 256, int height = 63)
{
    CShelfModel shelf;
    shelf.slots.SetSlotCount(static_cast<int>(values.size()));
    shelf.slots.SetRows(static_cast<int>(values.size()) / CShelfModel::kColumns);
    for (int i = 0; i < static_cast<int>(values.size()); ++i)
        shelf.slots.Set(i, values[static_cast<std::size_t>(i)]);
    shelf.SetSize(width, height);
    return shelf;
}

// A picture of the shelf's size, read back from the top-left corner.
class Picture {
public:
    Picture(int width, int height)
        : width(width), height(height), bytes(static_cast<std::size_t>(DibStride(width)) * height, 0xCD)
    {
    }
    PixelView View() { return {bytes.data(), width, height, DibStride(width)}; }
    std::uint32_t At(int x, int y)
    {
        const std::uint8_t* p = View().RowFromTop(y) + 3 * x;
        return std::uint32_t{p[2]} | std::uint32_t{p[1]} << 8 | std::uint32_t{p[0]} << 16;
    }

private:
    int width, height;
    std::vector<std::uint8_t> bytes;
};

} // namespace

TEST(ShelfModel, CellsAreTwoPercentTallerThanWideAndFillTheRow)
{
    const CShelfModel shelf = Shelf(std::vector<std::uint32_t>(36, kRed));
    EXPECT_EQ(shelf.CellHeight(), 21);
    EXPECT_EQ(shelf.GetCellRect(0), (CellRect{0, 0, 21, 21}));
    EXPECT_EQ(shelf.GetCellRect(1), (CellRect{21, 0, 22, 21}));
    EXPECT_EQ(shelf.GetCellRect(2), (CellRect{43, 0, 21, 21}));
    const CellRect last = shelf.GetCellRect(11);
    EXPECT_EQ(last.left + last.width, 256);
    EXPECT_EQ(shelf.GetCellRect(13).top, 21);
}

TEST(ShelfModel, ScrollsByRowsWithinThePalette)
{
    CShelfModel shelf = Shelf(std::vector<std::uint32_t>(36, kRed));
    shelf.slots.NormalizeRows(0);
    EXPECT_EQ(shelf.slots.Rows(), 4);
    EXPECT_EQ(shelf.ScrollMaximum(), 21) << "four rows in a view of three";
    EXPECT_EQ(shelf.ScrollTarget(kScrollPageDown, 0), 21) << "a page is one row";
    EXPECT_TRUE(shelf.ScrollTo(500));
    EXPECT_EQ(shelf.ScrollPosition(), 21);
    EXPECT_FALSE(shelf.ScrollTo(21));
    EXPECT_EQ(shelf.ScrollTarget(kScrollTop, 0), 0);
    EXPECT_EQ(shelf.ScrollTarget(4, 0), std::nullopt) << "the end of a thumb drag scrolls no further";
}

TEST(ShelfModel, HitTestsFindSlotsAndReportTheCellBesideThem)
{
    CShelfModel shelf = Shelf(std::vector<std::uint32_t>(14, kRed));
    ShelfHit hit = shelf.HitTest(25, 22);
    EXPECT_TRUE(hit.onSlot);
    EXPECT_EQ(hit.index, 13);
    hit = shelf.HitTest(255, 22);
    EXPECT_FALSE(hit.onSlot);
    EXPECT_EQ(hit.index, 23);
    EXPECT_FALSE(shelf.HitTest(-1, 0).onSlot);
    EXPECT_FALSE(shelf.HitTest(10, 63).onSlot);
    // The last pixel column and row are the last cells'; one further is
    // beside the shelf.
    hit = shelf.HitTest(255, 0);
    EXPECT_TRUE(hit.onSlot);
    EXPECT_EQ(hit.index, 11);
    EXPECT_FALSE(shelf.HitTest(256, 0).onSlot);
    CShelfModel full = Shelf(std::vector<std::uint32_t>(36, kRed));
    EXPECT_EQ(full.HitTest(0, 62).index, 24);
    EXPECT_TRUE(full.HitTest(0, 62).onSlot);
}

TEST(ShelfModel, GradientsBlendBetweenTheirEndsEitherWay)
{
    for (const auto& [a, b] : {std::pair{0, 4}, std::pair{4, 0}}) {
        CShelfModel shelf = Shelf({kRed, EMPTY_SLOT, 7, EMPTY_SLOT, kBlue});
        shelf.MakeGradient(a, b);
        EXPECT_EQ(shelf.slots.At(1), 0x3F00BFu);
        EXPECT_EQ(shelf.slots.At(2), 0x7F007Fu);
        EXPECT_EQ(shelf.slots.At(3), 0xBF003Fu);
        EXPECT_EQ(shelf.slots.At(0), kRed);
        EXPECT_EQ(shelf.slots.At(4), kBlue);
    }
    CShelfModel shelf = Shelf({kRed, EMPTY_SLOT, EMPTY_SLOT});
    shelf.MakeGradient(0, 2);
    EXPECT_EQ(shelf.slots.At(1), 0x00007Fu) << "an empty end reads as black";
    EXPECT_EQ(shelf.slots.At(2), EMPTY_SLOT) << "and stays empty";
    shelf = Shelf({EMPTY_SLOT, EMPTY_SLOT, kBlue});
    shelf.MakeGradient(2, 0);
    EXPECT_EQ(shelf.slots.At(1), 0x7F0000u) << "an empty start reads as black too";
    EXPECT_EQ(shelf.slots.At(0), EMPTY_SLOT);
}

TEST(ShelfModel, SlotsChangeOnlyWithinThePaletteAndOnlyToNewValues)
{
    CShelfModel shelf = Shelf({kRed, EMPTY_SLOT, kRed, kBlue});
    shelf.needsRefresh = false;
    EXPECT_FALSE(shelf.SetSlot(0, kRed));
    EXPECT_FALSE(shelf.SetSlot(4, kRed));
    EXPECT_FALSE(shelf.SetSlot(-1, kRed));
    EXPECT_FALSE(shelf.needsRefresh);
    EXPECT_TRUE(shelf.SetSlot(1, kBlue));
    EXPECT_TRUE(shelf.needsRefresh);
    shelf.UpdateMarks(0x7F000000 | kRed);
    EXPECT_EQ(shelf.Marks(), (std::vector<int>{0, 2}));
}

TEST(ShelfModel, EmptySlotsAreFoundForTheSlotCommandsAndGradients)
{
    std::vector<std::uint32_t> values(36, kRed);
    values[3] = values[4] = values[30] = EMPTY_SLOT;
    CShelfModel shelf = Shelf(values);
    int before = 0, after = 0;
    EXPECT_TRUE(shelf.FilledNeighbours(4, before, after));
    EXPECT_EQ(before, 2);
    EXPECT_EQ(after, 5);
    EXPECT_EQ(shelf.FirstEmptySlot(), 3);
    EXPECT_EQ(shelf.NextEmptyRowTop(0), 42);
    EXPECT_EQ(shelf.NextEmptyRowTop(42), -1);
    // A gap right after slot 0 has slot 0 before it; one at the last slot
    // has nothing after it.
    values[1] = EMPTY_SLOT;
    EXPECT_TRUE(Shelf(values).FilledNeighbours(1, before, after));
    EXPECT_EQ(before, 0);
    EXPECT_EQ(after, 2);
    values[35] = EMPTY_SLOT;
    EXPECT_FALSE(Shelf(values).FilledNeighbours(35, before, after));
    values[0] = EMPTY_SLOT;
    EXPECT_FALSE(Shelf(values).FilledNeighbours(1, before, after));
}

TEST(ShelfRenderer, DrawsTheVisibleRowsWithMarksInEmptyCellsAndBlackBelow)
{
    std::vector<std::uint32_t> values(14, kRed);
    values[12] = EMPTY_SLOT;
    CShelfModel shelf = Shelf(values, 120, 40);
    EXPECT_EQ(shelf.CellHeight(), 10);
    std::vector<std::uint8_t> markBytes(static_cast<std::size_t>(DibStride(20)) * 20, 0x80);
    const PixelView mark{markBytes.data(), 20, 20, DibStride(20)};
    Picture picture(120, 40);
    RenderShelf(picture.View(), shelf, mark);
    EXPECT_EQ(picture.At(5, 5), kRed);
    EXPECT_EQ(picture.At(5, 15), 0x808080u) << "the mark, clipped to its small cell";
    EXPECT_EQ(picture.At(15, 15), kRed);
    EXPECT_EQ(picture.At(25, 15), 0u) << "beside the last slot";
    EXPECT_EQ(picture.At(5, 25), 0u) << "below the last row";
    EXPECT_EQ(picture.At(5, 39), 0u);
}

TEST(ShelfRenderer, AHundredThousandColorsScrolledToTheMiddleDrawOnlyWhatShows)
{
    std::vector<std::uint32_t> values(100008);
    for (std::size_t i = 0; i < values.size(); ++i)
        values[i] = static_cast<std::uint32_t>(i * 2654435761u) & 0xFFFFFF;
    CShelfModel shelf = Shelf(values, 288, 150);
    EXPECT_TRUE(shelf.ScrollTo(shelf.ScrollMaximum() / 2));
    Picture picture(288, 150);
    RenderShelf(picture.View(), shelf, {});
    const ShelfHit hit = shelf.HitTest(30, 3);
    ASSERT_TRUE(hit.onSlot);
    EXPECT_EQ(picture.At(30, 3), values[static_cast<std::size_t>(hit.index)]);
    EXPECT_TRUE(shelf.ScrollTo(shelf.ScrollMaximum()));
    EXPECT_TRUE(shelf.HitTest(287, 149).onSlot);
}
