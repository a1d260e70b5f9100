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
// CieLabD50ToRgb (L 0..100, a and b about -128..127): CIE L*a*b* relative
//   to the D50 white (0.96422, 1, 0.82521), in double:
//   fy = (L + 16) / 116, fx = fy + a / 500, fz = fy - b / 200;
//   xr = fx^3 when above 216/24389, else (116 fx - 16) / (24389/27); zr
//   likewise from fz; yr = fy^3 when L > 8, else L / (24389/27);
//   XYZ = white * (xr, yr, zr), adapted to D65 with the Bradford matrix,
//   to linear sRGB, then the sRGB transfer function (12.92 v up to
//   0.0031308, else 1.055 v^(1/2.4) - 0.055), clamped to 0..1 and rounded
//   to the nearest of 0..255. The colors programs show for L*a*b* swatches.
#pragma once

#include <cstdint>

#include "color/ColorTypes.h"
#include "plexa/POINT3D.h"

POINT3D CmykToRgb(float c, float m, float y, float k);
CRGBA FloatHsvToRgb(float h, float s, float v);
CRGBA LabToRgb(std::int32_t L, std::int32_t a, std::int32_t b);
CRGBA CieLabD50ToRgb(double L, double a, double b);
