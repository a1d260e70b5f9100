#include "dialog/LoupeImage.h"

#include "dialog/ColorValueTexts.h"

CRGBA LoupeContrastColor(CRGBA color)
{
    const CRGBA black(0x000000), white(0xFFFFFF);
    return ContrastRatio(color, black) >= ContrastRatio(color, white) ? black : white;
}

namespace {

void FillRect(const PixelView& view, int left, int top, int width, int height, CRGBA color)
{
    for (int y = top; y < top + height; ++y)
        FillPixels(view.RowFromTop(y) + 3 * left, width, color);
}

void OutlineRect(const PixelView& view, int left, int top, int width, int height, CRGBA color)
{
    FillRect(view, left, top, width, 1, color);
    FillRect(view, left, top + height - 1, width, 1, color);
    FillRect(view, left, top, 1, height, color);
    FillRect(view, left + width - 1, top, 1, height, color);
}

} // namespace

void RenderLoupe(const std::vector<CRGBA>& cells, int span, CRGBA taken, const PixelView& view)
{
    if (!view.IsUsable() || view.width != kLoupeWidth || view.height != kLoupeHeight ||
        cells.size() != static_cast<std::size_t>(kLoupeCells * kLoupeCells))
        return;
    FillRect(view, 0, 0, kLoupeGridSide, kLoupeGridSide, kLoupeGridColor);
    for (int row = 0; row < kLoupeCells; ++row)
        for (int column = 0; column < kLoupeCells; ++column)
            FillRect(view, 1 + kLoupeZoom * column, 1 + kLoupeZoom * row, kLoupeZoom - 1, kLoupeZoom - 1,
                     cells[static_cast<std::size_t>(row * kLoupeCells + column)]);

    if (span < 1 || span > kLoupeCells || span % 2 == 0)
        span = 1;
    const int first = kLoupeCells / 2 - span / 2;
    const int side = span * kLoupeZoom + 1;
    OutlineRect(view, kLoupeZoom * first, kLoupeZoom * first, side, side, LoupeContrastColor(taken));

    FillRect(view, 0, kLoupeGridSide, kLoupeWidth, kLoupeBandHeight, taken);
    OutlineRect(view, 0, kLoupeGridSide - 1, kLoupeWidth, kLoupeBandHeight + 1, kLoupeGridColor);
}
