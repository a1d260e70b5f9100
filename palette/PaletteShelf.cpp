#include "palette/PaletteShelf.h"

void CPaletteShelf::Paint(HDC dc)
{
    const SelectedObject black(dc, GetStockObject(BLACK_BRUSH));
    PatBlt(dc, left, top, width, height, PATCOPY);
}
