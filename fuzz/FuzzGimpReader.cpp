#include "fuzz/FuzzPaletteReaders.h"
#include "palette/formats/GimpPalette.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    FuzzPaletteReader([](jx_STREAM* stream, jx_COLLECTION* colors, jx_SORTEDCOLLECTION* names,
                         PaletteHost&) { ReadGimpPalette(stream, colors, names); },
                      data, size);
    return 0;
}
