#include "palette/formats/AcoPalette.h"
#include "fuzz/FuzzPaletteReaders.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    FuzzPaletteReader(ReadAcoPalette, data, size);
    return 0;
}
