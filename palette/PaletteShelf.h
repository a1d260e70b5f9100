// The palette shelf on placeholder 1026: the palette's slots in rows of
// twelve cells. This is the shelf's first form: it holds the slots and the
// pending-refresh flag the color setters raise, and paints its area black,
// which is how the shelf shows a palette without slots. Cells, scrolling,
// marks and gestures come with the shelf's own work.
#pragma once

#include <vector>

#include "color/Controls.h"
#include "palette/PaletteSlots.h"

class CPaletteShelf final : public CWBase {
public:
    void Paint(HDC dc) override;
    void Render() override {}

    CPaletteSlots slots;
    // The slots equal to the current color, ascending.
    std::vector<int> marks;
    // Scroll position in pixels.
    int scrollPos = 0;
    // Raised after every color change: the marks must be found again.
    bool needsRefresh = true;
};
