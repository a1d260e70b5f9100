// The two lists a palette reader fills: colors in file order (each item a
// packed color or EMPTY_SLOT, stored in the pointer-sized item itself) and
// names in a color-name table.
#pragma once

#include <cstdint>
#include <new>

#include "plexa/jx_COLLECTION.h"

// Throws std::bad_alloc when the list cannot grow: a reader stops there.
inline void AppendColor(jx_COLLECTION* colors, std::uint32_t value)
{
    if (colors->Add(reinterpret_cast<void*>(static_cast<std::uintptr_t>(value))) < 0)
        throw std::bad_alloc();
}

inline std::uint32_t ColorAt(const jx_COLLECTION* colors, int index)
{
    return static_cast<std::uint32_t>(reinterpret_cast<std::uintptr_t>(colors->At(index)));
}

// A new color list (one reference, the caller's).
inline jx_COLLECTION* CreateColorList() { return jx_COLLECTION::Create(32, 16); }
