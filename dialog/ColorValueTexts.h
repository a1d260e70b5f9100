// A color's values as text to copy elsewhere, and the contrast of two
// colors as the WCAG 2.x rules measure it.
//
// Relative luminance: each sRGB channel c (0..1) made linear, c / 12.92 up
// to 0.04045, else ((c + 0.055) / 1.055)^2.4; L = 0.2126 R + 0.7152 G +
// 0.0722 B. Contrast ratio: (lighter L + 0.05) / (darker L + 0.05), 1 to 21,
// shown rounded down to hundredths. For normal text 4.5 passes AA and 7
// AAA; for large text 3 passes AA ("AA Large").
#pragma once

#include <string>

#include "color/ColorTypes.h"

// sRGB channel 0..255 in linear light, 0..1: the transfer function inverted
// exactly.
double LinearChannel(int channel);

double ContrastRatio(CRGBA a, CRGBA b);

// The words of a contrast line, from the language table: a format with one
// %s for the ratio ("Contrast %s:1") and the three verdicts.
struct ContrastWords {
    const char16_t* format;
    const char16_t* aaLarge;
    const char16_t* aa;
    const char16_t* aaa;
};

// "Contrast 4.53:1, AA": the ratio rounded down to hundredths and the best
// verdict it earns, none below 3.
std::u16string ContrastLine(CRGBA a, CRGBA b, const ContrastWords& words);

enum class CopyFormat {
    Hex,         // #E0A040, #E0A04080 with alpha
    Css,         // rgb(224 160 64), rgb(224 160 64 / 0.50) with alpha
    FloatSrgb,   // 0.878, 0.627, 0.251 (, 0.502 with alpha)
    LinearFloat, // 0.745, 0.352, 0.051 (, alpha as it is)
};

std::u16string CopyText(CopyFormat format, CRGBA color, bool withAlpha);
