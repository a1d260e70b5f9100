// What a pick from the screen takes: the pixel under the hot spot, or with
// Ctrl held the mean of the 3 x 3 pixels around it (Ctrl+Shift: 5 x 5).
#pragma once

#include <vector>

#include "color/ColorTypes.h"

// A rectangle of screen pixels.
struct ScreenBox {
    int left = 0;
    int top = 0;
    int width = 0;
    int height = 0;

    bool Contains(int x, int y) const { return x >= left && x < left + width && y >= top && y < top + height; }
};

// The side of the square of pixels sampled: 1, 3 or 5.
int SampleSpan(bool control, bool shift);

// The mean of the pixels, each channel rounded to the nearest byte; all
// ones (what an unreadable pixel gives, taken as white) when there are none.
CRGBA MeanColor(const std::vector<CRGBA>& pixels);

// The color a pick takes from `square`, the pixels read at `where` (row by
// row from its top left): the mean of the middle `span` x `span` of them
// that lie on `screen`; all ones when none does.
CRGBA SampledColor(const std::vector<CRGBA>& square, const ScreenBox& where, int span, const ScreenBox& screen);
