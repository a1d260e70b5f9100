// The two lists a palette reader fills: colors in file order (each item a
// packed color or EMPTY_SLOT, stored in the pointer-sized item itself) and
// names in a color-name table.
#pragma once

#include <cstdint>

#include "plexa/jx_COLLECTION.h"

inline void AppendColor(jx_COLLECTION* colors, std::uint32_t value)
{
    colors->Add(reinterpret_cast<void*>(static_cast<std::uintptr_t>(value)));
}

inline std::uint32_t ColorAt(const jx_COLLECTION* colors, int index)
{
    return static_cast<std::uint32_t>(reinterpret_cast<std::uintptr_t>(colors->At(index)));
}

// A new color list (one reference, the caller's).
inline jx_COLLECTION* CreateColorList() { return jx_COLLECTION::Create(32, 16); }
