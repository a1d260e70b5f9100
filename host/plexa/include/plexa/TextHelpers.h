// Text helpers of the host library: paths, formatted UTF-16 text and the
// conversion of UTF-16 text to the ANSI code page.
#pragma once

#include "plexa/PlexaApi.h"

// Appends '\' to path unless it is empty or already ends in '\' or '/'.
// size is the buffer's size in units; false (path unchanged) when the
// separator does not fit.
PLEXA_API bool AddSlash(char16_t* path, int size);

// printf-style formatting into buffer (size in units, always terminated when
// size > 0). %s takes UTF-16 text (const char16_t*), %hs narrow text, %c one
// UTF-16 unit; numbers as in C. Returns the units written, or -1 when the
// text was cut to fit.
PLEXA_API int jxsprintf(char16_t* buffer, int size, const char16_t* format, ...);

// Copies text into buffer in the ANSI code page (size in bytes), truncated
// and always terminated when size > 0. Returns the bytes written without the
// terminator.
PLEXA_API int WtoAex(const char16_t* text, char* buffer, int size);
// Bytes WtoAex needs for the whole text, terminator included.
PLEXA_API int QueryWtoABufSize(const char16_t* text);
