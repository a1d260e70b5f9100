// Counts of what a leak would leave behind in this process: GDI objects by
// kind and windows. Under Wine GetGuiResources answers 0, so the GDI objects
// are counted in the process's GDI handle table, which the process
// environment block points to and which both Wine and Windows keep.
#pragma once

#include <map>

struct ObjectCensus {
    // Live GDI objects by the kind byte of their handle table entry.
    std::map<int, int> gdiObjects;
    // Top-level windows of the process and all their descendants.
    int windows = 0;

    bool operator==(const ObjectCensus&) const = default;
};

// False when the handle table cannot be found or read: the census would
// then count nothing and prove nothing.
bool CanTakeObjectCensus();
ObjectCensus TakeObjectCensus();
