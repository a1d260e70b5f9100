// Float color triples (red, green, blue fractions, nominally 0..1, in the
// host's POINT3D) and their conversion to and from packed words.
#pragma once

#include "color/ColorTypes.h"
#include "plexa/POINT3D.h"

// Each byte / 255, single precision.
POINT3D ToFloatRgb(CRGBA color);

// Byte = trunc(component * 255) with no rounding and no clamping: 1.0 gives
// 255, 0.999 gives 254, and 1.01 gives 257, whose low eight bits are 1.
// Alpha is 0.
CRGBA FloatRgbToColor(float r, float g, float b);
inline CRGBA FloatRgbToColor(const POINT3D& rgb) { return FloatRgbToColor(rgb.x, rgb.y, rgb.z); }
