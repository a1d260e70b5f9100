// Produces the six-sector rainbow along a line of pixels: red, yellow,
// green, cyan, blue, magenta and back to red, each sector (n - 1)/6 pixels
// long for a line of n pixels, with components between lo and hi.
#pragma once

#include "color/ColorTypes.h"
#include "plexa/POINT3D.h"

class HueWalker {
public:
    HueWalker(float hi, float lo, int lineLength);

    const POINT3D& Color() const { return color; }
    // Moves on after pixel i was drawn with the current color. On a line
    // shorter than 7 pixels the sectors are shorter than a pixel; the walker
    // then just passes a sector per pixel.
    void Step(int i);

private:
    float hi;
    float lo;
    float sectorLength;
    float step;
    int sector = 1;
    POINT3D color;
};
