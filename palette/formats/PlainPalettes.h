// The common palette formats that carry colors and no names, each known by
// its first bytes or its first line:
//
//   JASC-PAL      "JASC-PAL", a version line, a count line, then "R G B" lines
//   RIFF "PAL "   "RIFF", a size, "PAL ", and a "data" chunk: a version word,
//                 a count word and four bytes per color (red, green, blue,
//                 flags), little-endian
//   Paint.NET     ';' comment lines and "AARRGGBB" lines (alpha dropped);
//                 without a comment line, known by its lines being all
//                 "AARRGGBB" (blank lines aside)
//   hex lists     one "RRGGBB" or "#RRGGBB" per line, blank lines skipped
#pragma once

#include "plexa/jx_COLLECTION.h"
#include "plexa/jx_STREAM.h"

enum class PlainFormat { None, Jasc, Riff, PaintNet, HexList };

// The format the first bytes of a file show, if any of these.
PlainFormat PlainFormatForContent(const unsigned char* bytes, int count);

// Appends a color per entry; lines or entries that are no color are passed over.
void ReadPlainPalette(jx_STREAM* stream, PlainFormat format, jx_COLLECTION* colors);
