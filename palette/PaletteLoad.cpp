#include "palette/PaletteLoad.h"

#include <algorithm>
#include <climits>

#include "palette/formats/PaletteLists.h"

void ApplyLoadedPalette(CPaletteSlots& slots, CAColorName& names, const jx_COLLECTION* colors,
                        jx_SORTEDCOLLECTION* loadedNames, bool replace, bool replaceNames)
{
    if (replaceNames)
        names.SetTable(loadedNames);
    else
        names.MergeLoadedTable(loadedNames);
    const int first = replace ? 0 : slots.Count();
    // Appending never wraps the slot count: what does not fit is left out.
    const int count = std::min(colors->Count(), INT_MAX - CPaletteSlots::kColumns * 2 - first);
    slots.SetSlotCount(first + count);
    for (int i = 0; i < count; ++i)
        slots.Set(first + i, ColorAt(colors, i));
    slots.SetRows(slots.Count() / slots.Columns());
    slots.NormalizeRows(0);
}
