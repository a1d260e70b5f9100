// The viewer's object: a sphere lit from the upper left, in one color.
#pragma once

#include <cstdint>

// Fills a top-down 32-bit BGRX image (width x height, stride = width) with
// the background and a sphere of color (COLORREF: red in the low byte)
// centered in it. The color's top byte, when alpha is shown, fades the
// sphere into the background.
void RenderShadedSphere(std::uint32_t* pixels, int width, int height, std::uint32_t color, bool useAlpha);
