// The texts of the dialog's color fields and the colors read back from them:
// the channel fields (decimal numbers), the hexadecimal field ("ff8000",
// lower case) and the decimal field ("255,128,0").
#pragma once

#include <string>

#include "color/ColorTypes.h"

std::u16string DecimalText(int value);
std::u16string HexText(CRGBA color);
std::u16string RgbText(CRGBA color);

// A channel field's number as C's "%d" reads it: white space, an optional
// sign and digits; text without a number gives 0, and a number beyond the
// range of an int gives the nearest int.
int ParseFieldNumber(const char16_t* text);

// Red, green and blue from up to three pairs of hexadecimal digits in either
// case ("12" is red 0x12, green and blue 0); reading stops at the first other
// character, and what was not read is 0. Alpha is 0.
CRGBA ParseHexColor(const char16_t* text);

// Red, green and blue from three numbers separated by commas; a number that
// cannot be read and those after it are 0, and each number is limited to
// 0..255. Alpha is 0.
CRGBA ParseRgbColor(const char16_t* text);
