// GIMP text palettes, the module's home format:
//
//   GIMP Palette
//   Name: Simple palette
//   #
//   255   0   0	Red
//     0   0   0
//
// Color lines are "%3d %3d %3d\t%s\n" with the name in UTF-8; the palette
// name on line 2 is in the ANSI code page. An empty slot is written as black
// without a name, and black without a name reads back as an empty slot.
#pragma once

#include "palette/PaletteSlots.h"
#include "plexa/jx_COLLECTION.h"
#include "plexa/jx_STREAM.h"

// Writes the slots up to the last used one (none when all are empty; a
// palette whose only used slot is slot 0 writes that slot), each named with
// the first name of its color in `names`.
void WriteGimpPalette(jx_STREAM* stream, const CPaletteSlots& slots, const jx_SORTEDCOLLECTION* names);

// Appends a color per color line to `colors` and each new pair of color and
// name to `names`. Nothing when the first line is not "GIMP Palette".
void ReadGimpPalette(jx_STREAM* stream, jx_COLLECTION* colors, jx_SORTEDCOLLECTION* names);

// Scans "%3d %3d %3d" as sscanf does: each number at most three characters
// with its sign, white space before each. True when three numbers were read.
bool ScanGimpComponents(const char* line, int& red, int& green, int& blue);
