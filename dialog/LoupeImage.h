// The loupe shown beside the pointer while picking from the screen: the
// 11 x 11 screen pixels around the hot spot, each magnified to a block of 9
// x 9 whose last row and column are a line of a neutral gray grid, the
// pixels a release takes framed, and below them a band of the color taken.
//
// Pixel columns (and rows) of the grid: 0 is the grid line along the left,
// cell i covers 1 + 9i .. 8 + 9i and its grid line is 9 + 9i. The frame
// around the middle `span` cells is drawn on the grid lines around them, so
// no pixel of a cell is hidden by it.
#pragma once

#include <vector>

#include "color/ColorTypes.h"
#include "color/PixelView.h"

constexpr int kLoupeCells = 11;
constexpr int kLoupeZoom = 9;
constexpr int kLoupeGridSide = kLoupeCells * kLoupeZoom + 1;
constexpr int kLoupeBandHeight = 20;
// The loupe's size in physical pixels, whatever the monitor's scale.
constexpr int kLoupeWidth = kLoupeGridSide;
constexpr int kLoupeHeight = kLoupeGridSide + kLoupeBandHeight;
constexpr CRGBA kLoupeGridColor = CRGBA(0x808080);

// Black or white, whichever stands out more against `color`: the frame and
// the band's text.
CRGBA LoupeContrastColor(CRGBA color);

// Draws the loupe into a view of kLoupeWidth x kLoupeHeight (nothing into
// one of another size): `cells` are the pixels around the hot spot, row by
// row from the top left, kLoupeCells x kLoupeCells of them; `span` (1, 3 or
// 5) cells in the middle are framed; the band below is filled with `taken`
// and outlined in the grid's gray. The band's text is drawn by the caller.
void RenderLoupe(const std::vector<CRGBA>& cells, int span, CRGBA taken, const PixelView& view);
