// The checkerboard drawn behind translucent colors, from the host-wide
// settings "2d\G1Color", "2d\G2Color" and "2d\GridMode".
#pragma once

#include "ColorTypes.h"

struct Checkerboard {
    CRGBA first;
    CRGBA second;
    // Cell size in pixels.
    int cell = 1;

    // The first color at the top-left cell, alternating both ways.
    CRGBA At(int x, int y) const { return ((x / cell + y / cell) & 1) ? second : first; }
};

enum class CheckerboardUse { AlphaSlider, Swatch };

// Grid mode 1, 2 and 3 give cells of 4, 8 and 16 pixels. Any other mode
// turns the checkerboard off: both colors white, in cells of 1 pixel for the
// alpha slider and 16 for the swatches (which look the same).
Checkerboard CheckerboardFor(int gridMode, CRGBA color1, CRGBA color2, CheckerboardUse use);
