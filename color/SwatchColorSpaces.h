// The color spaces of swatch files, converted to packed colors.
//
// CmykToRgb: r = c + k, g = m + k, b = y + k (single), clamped to 0..1,
//   then each 1 - x (single).
// FloatHsvToRgb (h in turns, s and v 0..1): f0 = h - floor(h), x = 6*f0,
//   i = floor(x), f = x - i (single); V255 = 255*v (single); p, q, t =
//   trunc of (1-s), (1-s*f), (1-s*(1-f)) times V255, V = trunc(V255); by
//   sector i: (V,t,p) (q,V,p) (p,V,t) (p,q,V) (t,p,V) (V,p,q).
// LabToRgb: CIE L*a*b* with a D65 white point and no gamma companding, in
//   double; each channel trunc(... + 0.5), then clamped to 0..255.
#pragma once

#include <cstdint>

#include "color/ColorTypes.h"
#include "plexa/POINT3D.h"

POINT3D CmykToRgb(float c, float m, float y, float k);
CRGBA FloatHsvToRgb(float h, float s, float v);
CRGBA LabToRgb(std::int32_t L, std::int32_t a, std::int32_t b);
