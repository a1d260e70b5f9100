// The texts of the color tooltips: the numbers of a color, and the tip of a
// swatch with the color's names first and a usage hint last.
#pragma once

#include <string>

#include "color/ColorTypes.h"
#include "palette/ColorNameTable.h"
#include "plexa/jx_STRING.h"

// Appends "RGB(r,g,b)\r\nHex=RRGGBB" (upper-case digits, red first).
void FormatColorTip(CRGBA color, jx_STRING& text);

// The color's names (each on its line) when the table knows any, then its
// numbers and `extraLine` when it is not empty, then an empty line and
// `hint` when one is given. The color is looked up with its whole word,
// alpha included.
jx_STRING SwatchTipText(const CAColorName& names, CRGBA color, const char16_t* hint,
                        const std::u16string& extraLine = {});
