// Draws the visible part of the palette shelf into a pixel view of the
// shelf's size (only what shows is drawn, so a palette of any length costs
// the same): every cell in its slot's color, the empty-slot mark centred
// in each empty cell (clipped to the cell), and black below the last row.
#pragma once

#include "color/PixelView.h"
#include "palette/ShelfModel.h"

// mark: the picture drawn in empty cells (bottom-up 24-bit rows, as bitmap
// 110 stores them); an empty view leaves empty cells black.
void RenderShelf(const PixelView& view, const CShelfModel& shelf, const PixelView& mark);
