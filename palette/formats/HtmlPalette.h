// Palettes as HTML tables: one cell per slot, its background the slot's
// color and its text the color's name, eight cells to a row:
//
//   <table id="Palette" width="95%" border="1" bordercolor="#000000">
//     <tr height="40"><td bgcolor="#ff0000" width="5%">Red</td><td></td>...
//
// A cell without bgcolor is an empty slot. Markup goes through the host's
// XML document.
#pragma once

#include "palette/formats/PaletteHost.h"
#include "palette/PaletteSlots.h"
#include "plexa/jx_COLLECTION.h"
#include "plexa/jx_STREAM.h"

// Writes every slot, trailing empty ones included; false when the document
// could not be made in full (no memory), and then the stream must not be
// committed.
bool WriteHtmlPalette(jx_STREAM* stream, const CPaletteSlots& slots, const jx_SORTEDCOLLECTION* names,
                      PaletteHost& host);

// Reads the cells of the first table, wherever it is in the page (element
// names compare without case), one color per cell. Throws std::bad_alloc
// when the document runs out of memory.
void ReadHtmlPalette(jx_STREAM* stream, jx_COLLECTION* colors, jx_SORTEDCOLLECTION* names, PaletteHost& host);
