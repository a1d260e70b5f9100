#include "fuzz/FuzzPaletteReaders.h"
#include "palette/formats/PaletteDispatch.h"

// The plain formats as the dispatch finds them: JASC-PAL, RIFF, Paint.NET
// and hex lists, each chosen by the input's first bytes.
extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    FuzzPaletteReader(
        [](jx_STREAM* stream, jx_COLLECTION* colors, jx_SORTEDCOLLECTION* names, PaletteHost& host) {
            ReadPaletteStream(stream, colors, names, host);
        },
        data, size);
    return 0;
}
