// The checkerboard drawn behind translucent colors, from the host-wide
// settings "2d\G1Color", "2d\G2Color" and "2d\GridMode".
#pragma once

#include "color/ColorTypes.h"

struct Checkerboard {
    CRGBA first;
    CRGBA second;
    // Cell size in pixels.
    int cell = 1;
};

// Walks the checkerboard along one row from column x0 on without a division
// per pixel. The first color is in the top-left cell; colors alternate both
// ways.
class CheckerCursor {
public:
    CheckerCursor(const Checkerboard& board, int x0, int y)
        : board(board), odd(((x0 / board.cell + y / board.cell) & 1) != 0), inCell(x0 % board.cell)
    {
    }
    CRGBA Color() const { return odd ? board.second : board.first; }
    void Next()
    {
        if (++inCell == board.cell) {
            inCell = 0;
            odd = !odd;
        }
    }

private:
    const Checkerboard& board;
    bool odd;
    int inCell;
};

enum class CheckerboardUse { AlphaSlider, Swatch };

// Grid mode 1, 2 and 3 give cells of 4, 8 and 16 pixels. Any other mode
// turns the checkerboard off: both colors white, in cells of 1 pixel for the
// alpha slider and 16 for the swatches (which look the same).
Checkerboard CheckerboardFor(int gridMode, CRGBA color1, CRGBA color2, CheckerboardUse use);
