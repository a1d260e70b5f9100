#include "fuzz/FuzzPaletteReaders.h"
#include "palette/formats/PlainPalettes.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    FuzzPaletteReader([](jx_STREAM* stream, jx_COLLECTION* colors, jx_SORTEDCOLLECTION*,
                         PaletteHost&) { ReadPlainPalette(stream, PlainFormat::PaintNet, colors); },
                      data, size);
    return 0;
}
