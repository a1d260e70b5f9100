// Puts what a palette reader delivered into the palette: the names take the
// place of the table or join it, the colors take the place of the slots or
// follow them, and the palette ends in whole rows with one empty row after
// its last used slot. loadedNames is the reader's own table: it may be
// taken over and changed.
#pragma once

#include "palette/ColorNameTable.h"
#include "palette/PaletteSlots.h"
#include "plexa/jx_COLLECTION.h"

void ApplyLoadedPalette(CPaletteSlots& slots, CAColorName& names, const jx_COLLECTION* colors,
                        jx_SORTEDCOLLECTION* loadedNames, bool replace, bool replaceNames);
