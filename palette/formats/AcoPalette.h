// ACO swatch files: big-endian 16-bit words, a version 1 section (color
// space and four components per swatch) optionally followed by a version 2
// section that repeats the swatches with UTF-16 names:
//
//   version, count, then per swatch: space, w, x, y, z
//   [version 2 adds: name length high word, length L (units with the
//    terminating zero), L - 1 units, zero]
//
// The reader takes the version 2 section when there is one; the writer
// writes both sections in RGB.
#pragma once

#include <cstdint>

#include "palette/formats/PaletteHost.h"
#include "palette/PaletteSlots.h"
#include "plexa/jx_COLLECTION.h"
#include "plexa/jx_STREAM.h"

struct AcoSwatch {
    std::uint16_t space;
    std::uint16_t w;
    std::uint16_t x;
    std::uint16_t y;
    std::uint16_t z;
};

// The packed color of a swatch in any supported space (RGB, HSB, CMYK,
// Lab, grayscale, wide CMYK); false for the others, whose color is 0.
bool SwatchToColor(const AcoSwatch& swatch, std::uint32_t& color);
// An RGB swatch that reads back as exactly the color's bytes.
AcoSwatch SwatchFromColor(std::uint32_t color);

// Writes the slots up to the last used one in both sections, at most the
// 65,535 a section can count; empty slots inside as black without a name.
void WriteAcoPalette(jx_STREAM* stream, const CPaletteSlots& slots, const jx_SORTEDCOLLECTION* names);

// Appends a color per swatch of the section read and a name entry per named
// swatch. An unsupported color space is reported through the host, once per
// swatch, and read as black.
void ReadAcoPalette(jx_STREAM* stream, jx_COLLECTION* colors, jx_SORTEDCOLLECTION* names, PaletteHost& host);

// A swatch file of no swatches (version 1, count 0, and perhaps version 2,
// count 0): 4 or 8 bytes, shorter than any other palette.
bool IsEmptyAcoFile(const unsigned char* bytes, int count);
