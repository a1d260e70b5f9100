// Conversion between packed red/green/blue and hue/saturation/value words.
//
// Steps marked single round their result to a 32-bit float; everything else
// runs in double, and trunc converts toward zero. The builds all compute
// floats in SSE without fused multiply-add, so the bytes are the same in
// every build.
//
// RgbToHsv: r, g, b = byte/255 (single); delta = max - min (single);
//   s = delta/max (single, 0 for black); h by the first rule whose condition
//   holds: r max and g not: (g-b)/delta; g max and b not: 2 + (b-r)/delta;
//   b max and r not: 4 + (r-g)/delta; then h*60 (single), +360 if negative
//   (single). Hue = trunc(h), saturation = trunc(s*100 + 0.5), value =
//   trunc(max*100 + 0.5).
// HsvToRgb: hue above 360 loses 360 until it is not; s, v = percent/100
//   (single); piecewise-linear hue weights over three 120-degree sectors
//   (single, capped at 1); channel = v*(c*s + (1-s)) (single); byte =
//   trunc(channel*255 + 0.5), keeping its low eight bits. Alpha is 0.
#pragma once

#include "color/ColorTypes.h"

CHSV RgbToHsv(CRGBA color);
CRGBA HsvToRgb(CHSV hsv);
