#include "fuzz/FuzzPaletteReaders.h"
#include "palette/formats/HtmlPalette.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    FuzzPaletteReader(ReadHtmlPalette, data, size);
    return 0;
}
