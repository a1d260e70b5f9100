// What a pick from the screen takes: the pixel under the hot spot, or with
// Ctrl held the mean of the 3 x 3 pixels around it (Ctrl+Shift: 5 x 5).
#pragma once

#include <vector>

#include "color/ColorTypes.h"

// The side of the square of pixels sampled: 1, 3 or 5.
int SampleSpan(bool control, bool shift);

// The mean of the pixels, each channel rounded to the nearest byte; all
// ones (what an unreadable pixel gives, taken as white) when there are none.
CRGBA MeanColor(const std::vector<CRGBA>& pixels);
