// The gradients of the channel sliders, the strip beside the field, the
// two-dimensional field and the alpha swatches, computed into pixel views.
//
// Colors are divided by 255 into single-precision floats, every
// accumulation is rounded to single precision step by step, and a float
// color becomes a pixel through FloatRgbToColor. Renderers allocate nothing,
// compute identical rows once and copy them, and draw nothing into a view
// that is not usable; they never write outside the view.
#pragma once

#include "color/Checkerboard.h"
#include "color/ColorTypes.h"
#include "color/PixelView.h"

// Red, green, blue, saturation and value sliders: c0 at the left edge, then
// (c1 - c0)/width added per column, so the right end approaches c1 without
// reaching it. Every row is the same.
void RenderTwoColorSlider(const PixelView& view, CRGBA c0, CRGBA c1);

// All hues at the saturation and value of `saturationValue` (its hue is not
// read): hue 0 at the left edge, 360 at the right.
void RenderHueSlider(const PixelView& view, CHSV saturationValue);

// c0 to c1 as in the two-color slider, each pixel added to the checkerboard
// weighted by (width - x)/width: with c0 black, the left edge is the pure
// checkerboard and the right edge almost the opaque color.
void RenderAlphaSlider(const PixelView& view, CRGBA c0, CRGBA c1, const Checkerboard& board);

// Rows from `top` on the top row, adding (bottom - top)/height per row.
void RenderTwoColorStrip(const PixelView& view, CRGBA top, CRGBA bottom);

// All hues, red on the bottom row, up to the end of magenta on the top row.
void RenderHueStrip(const PixelView& view);

// Red/green/blue field: c0 + x (c1 - c0)/width across, c2 on the top row
// falling by c2/height per row, each byte plus the byte of `fixed` (modulo
// 256), which carries the channel the field's mode holds constant.
void RenderRgbField(const PixelView& view, CRGBA c0, CRGBA c1, CRGBA c2, CRGBA fixed);

// Hue mode: saturation across (white at the left to pureHue at the right),
// value up (full on the top row).
void RenderSaturationValueField(const PixelView& view, CRGBA pureHue);

// Saturation and value modes: all hues across at the saturation and value of
// `saturationValue`, rising from `bottom` on the bottom row.
void RenderHueAcrossField(const PixelView& view, CRGBA bottom, CHSV saturationValue);

// A swatch of a translucent color: opaque left of a gentle wave a little
// right of the middle, blended over the checkerboard right of it. The lower
// of two stacked swatches continues the wave and the checkerboard of the
// upper one.
void RenderAlphaSwatch(const PixelView& view, CRGBA color, bool lower, const Checkerboard& board);
