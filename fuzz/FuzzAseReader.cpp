#include "palette/formats/AsePalette.h"
#include "fuzz/FuzzPaletteReaders.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    FuzzPaletteReader(ReadAsePalette, data, size);
    return 0;
}
