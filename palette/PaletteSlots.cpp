#include "palette/PaletteSlots.h"

#include <algorithm>
#include <climits>

namespace {

// ceil(n / columns) + 1 rows, in whole slots, saturating instead of
// overflowing for absurd counts.
int SlotsForRowsAbove(long long n, int columns)
{
    const long long rows = (n + columns - 1) / columns + 1;
    return static_cast<int>(std::min(rows * columns, static_cast<long long>(INT_MAX / columns * columns)));
}

} // namespace

int CPaletteSlots::LastUsed() const
{
    int last = count - 1;
    while (last >= 0 && slots[last] == EMPTY_SLOT)
        --last;
    return last;
}

bool CPaletteSlots::SetSlotCount(int n)
{
    n = std::max(n, 0);
    if (n == count)
        return false;
    if (n == 0) {
        slots.reset();
    } else {
        auto resized = std::make_unique<std::uint32_t[]>(static_cast<std::size_t>(n));
        const int kept = std::min(count, n);
        std::copy(slots.get(), slots.get() + kept, resized.get());
        std::fill(resized.get() + kept, resized.get() + n, EMPTY_SLOT);
        slots = std::move(resized);
    }
    count = n;
    return true;
}

bool CPaletteSlots::NormalizeRows(int minimumCount)
{
    if (minimumCount >= count) {
        const int n = SlotsForRowsAbove(minimumCount, columns);
        rows = n / columns;
        return SetSlotCount(n);
    }
    const int emptyRows = (count - LastUsed() - 1) / columns;
    if (emptyRows < 1) {
        const int n = SlotsForRowsAbove(count, columns);
        rows = n / columns;
        return SetSlotCount(n);
    }
    if (emptyRows >= 2) {
        // A stale row count could go below zero; no palette has fewer than none.
        rows = std::max(rows - (emptyRows - 1), 0);
        return SetSlotCount(rows * columns);
    }
    return false;
}
