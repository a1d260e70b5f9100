// Adobe Swatch Exchange files: "ASEF", version 1.0, a count of blocks, then
// blocks of a 16-bit type and a 32-bit length (all big-endian): 0xC001
// opens a group (its name), 0xC002 ends one, 0x0001 is a swatch: its name
// (a 16-bit length in units with the terminating zero, then UTF-16), its
// model ("RGB ", "CMYK", "LAB ", "Gray"), one float per component and a
// 16-bit kind (global, spot or process), which this reader does not need.
#pragma once

#include "palette/PaletteSlots.h"
#include "palette/formats/PaletteHost.h"
#include "plexa/jx_COLLECTION.h"
#include "plexa/jx_STREAM.h"

// True for the first bytes of a swatch exchange file.
bool IsAseFile(const unsigned char* bytes, int count);

// Writes the slots up to the last used one as RGB swatches (each slot's
// color's first name; empty slots as black without a name, read back as
// empty, as the other formats do).
void WriteAsePalette(jx_STREAM* stream, const CPaletteSlots& slots, const jx_SORTEDCOLLECTION* names);

// Appends a color per swatch and each new pair of color and name. Each
// group starts a new row of the shelf. Blocks are stepped over by their
// lengths, so a block this reader does not know, or cannot read whole, costs
// nothing but itself; the file ends where its bytes do, whatever the count
// of blocks says.
void ReadAsePalette(jx_STREAM* stream, jx_COLLECTION* colors, jx_SORTEDCOLLECTION* names, PaletteHost& host);
