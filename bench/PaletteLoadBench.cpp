// Prints how long loading palettes of 1,000, 10,000 and 100,000 named
// colors takes in each format, and how the time grows with the size.
#include <algorithm>
#include <chrono>
#include <cstdio>
#include <string>

#include <malloc.h>

#include "bench/BenchPalette.h"
#include "palette/ColorNameTable.h"
#include "palette/formats/PaletteDispatch.h"
#include "palette/formats/PaletteLists.h"
#include "plexa/HostStreams.h"
#include "plexa/jx_REF.h"
#include "plexa/jx_XML.h"

namespace {

using Clock = std::chrono::steady_clock;

class BenchHost : public PaletteHost {
public:
    jx_XMLDOCUMENT* CreateXmlDocument() override { return ::CreateXmlDocument(); }
    void ReportMessage(const char*) override {}
};

// Best of five loads, in milliseconds.
double LoadMilliseconds(jx_STREAM* stream, BenchHost& host, int expected)
{
    double best = 1e300;
    for (int run = 0; run < 5; ++run) {
        stream->Seek(0, 0);
        const auto start = Clock::now();
        const jx_REF<jx_COLLECTION> colors(CreateColorList());
        const jx_REF<jx_SORTEDCOLLECTION> names(CreateColorNameTable());
        ReadPaletteStream(stream, colors.get(), names.get(), host);
        const std::chrono::duration<double, std::milli> elapsed = Clock::now() - start;
        best = std::min(best, elapsed.count());
        if (colors->Count() != expected || names->Count() != expected)
            std::printf("  (read %d colors, %d names; expected %d)\n", colors->Count(), names->Count(), expected);
    }
    return best;
}

} // namespace

int main()
{
    // Keep freed memory mapped between runs. Otherwise the C library hands
    // a large table's pages back to the system after each run, and only the
    // largest size pays for touching fresh pages again in every one of its
    // five runs: the figures would compare page faults, not loading.
    mallopt(M_TRIM_THRESHOLD, 1 << 30);
    mallopt(M_MMAP_THRESHOLD, 1 << 30);
    BenchHost host;
    std::printf("%-6s %10s %12s %12s\n", "format", "colors", "load ms", "x previous");
    for (const char16_t* fileName : {u"bench.gpl", u"bench.aco", u"bench.html"}) {
        double previous = 0;
        // A swatch file counts its swatches in 16 bits: 65,535 at most.
        const bool aco = std::u16string(fileName).ends_with(u".aco");
        for (const int count : {1000, 10000, aco ? 65535 : 100000}) {
            const jx_REF<jx_STREAM> stream = MakeBenchPalette(count, fileName, host);
            const double ms = LoadMilliseconds(stream.get(), host, count);
            const std::u16string name(fileName);
            std::printf("%-6s %10d %12.2f", std::string(name.begin() + 6, name.end()).c_str(), count, ms);
            if (previous > 0)
                std::printf(" %12.1f", ms / previous);
            std::printf("\n");
            previous = ms;
        }
    }
    return 0;
}
