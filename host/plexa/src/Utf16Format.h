// printf-style formatting into UTF-16 buffers, the engine behind jxsprintf.
#pragma once

#include <cstdarg>

// Formats into buffer (size in units, terminated when size > 0). Conversions:
// d i u o x X c s f F e E g G a A p %, with flags, width, precision (both also
// as *) and the length modifiers hh h l ll z j t L. %s takes UTF-16 text,
// %hs ANSI text. %n is refused: formatting stops there. Returns the units
// written, or -1 when the text was cut.
int FormatUtf16(char16_t* buffer, int size, const char16_t* format, va_list args);
