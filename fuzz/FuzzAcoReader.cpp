#include "AcoPalette.h"
#include "FuzzPaletteReaders.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    FuzzPaletteReader(ReadAcoPalette, data, size);
    return 0;
}
