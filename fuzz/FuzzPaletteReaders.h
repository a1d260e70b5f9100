// Shared by the palette reader fuzz targets: runs one reader over the input
// as a stream, with fresh lists, and exercises what it delivered.
#pragma once

#include <cstddef>
#include <cstdint>

#include "palette/formats/PaletteHost.h"
#include "plexa/jx_COLLECTION.h"
#include "plexa/jx_STREAM.h"

using PaletteReader = void (*)(jx_STREAM* stream, jx_COLLECTION* colors, jx_SORTEDCOLLECTION* names, PaletteHost& host);

void FuzzPaletteReader(PaletteReader reader, const std::uint8_t* data, std::size_t size);
