// Prints how long loading palettes of 1,000, 10,000 and 100,000 named
// colors takes in each format, and how the time grows with the size.
#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <string>

#include <malloc.h>
#include <sys/resource.h>

#include "bench/BenchPalette.h"
#include "palette/ColorNameTable.h"
#include "palette/formats/PaletteDispatch.h"
#include "palette/formats/PaletteLists.h"
#include "plexa/HostStreams.h"
#include "plexa/jx_REF.h"
#include "plexa/jx_XML.h"

namespace {

using Clock = std::chrono::steady_clock;

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

jx_REF<jx_STREAM> StreamOf(const std::string& bytes)
{
    jx_REF<jx_STREAM> stream(CreateMemoryStream(nullptr));
    stream->Write(bytes.data(), static_cast<int>(bytes.size()));
    return stream;
}

// Best of three parses of the stream into a document, in milliseconds.
double ParseMilliseconds(jx_STREAM* stream)
{
    double best = 1e300;
    for (int run = 0; run < 3; ++run) {
        stream->Seek(0, 0);
        const auto start = Clock::now();
        const jx_REF<jx_XMLDOCUMENT> document(CreateXmlDocument());
        document->Load(stream);
        const std::chrono::duration<double, std::milli> elapsed = Clock::now() - start;
        best = std::min(best, elapsed.count());
    }
    return best;
}

// Markup that the parser must read in linear time: text full of '&' (each
// one starts a reference that is never finished) and one element with a
// great many attributes. Ten times the input should cost about ten times.
void MarkupRows()
{
    std::printf("\n%-22s %10s %12s %12s\n", "markup", "input KB", "parse ms", "x previous");
    for (const bool attributes : {false, true}) {
        double previous = 0;
        for (const int count : {10000, 100000}) {
            std::string markup = attributes ? "<a" : "<a>";
            for (int i = 0; i < count; ++i)
                markup += attributes ? " n" + std::to_string(i) + "='v'" : std::string("&x&y&z&w ");
            markup += attributes ? "/>" : "</a>";
            const jx_REF<jx_STREAM> stream = StreamOf(markup);
            const double ms = ParseMilliseconds(stream.get());
            std::printf("%-22s %10zu %12.2f", attributes ? "attributes of one tag" : "text full of '&'",
                        markup.size() / 1024, ms);
            if (previous > 0)
                std::printf(" %12.1f", ms / previous);
            std::printf("\n");
            previous = ms;
        }
    }
}

// What a document holds per byte of its markup: a 100,000-color HTML
// palette read into a tree; and the process's peak after everything.
void MemoryRows(BenchHost& host)
{
    const jx_REF<jx_STREAM> stream = MakeBenchPalette(100000, u"bench.html", host);
    const std::size_t input = static_cast<std::size_t>(stream->Tell());
    stream->Seek(0, 0);
    const std::size_t before = mallinfo2().uordblks;
    const jx_REF<jx_XMLDOCUMENT> document(CreateXmlDocument());
    document->Load(stream.get());
    const std::size_t held = mallinfo2().uordblks - before;
    std::printf("\nHTML palette of 100,000 colors: %zu KB of markup, its tree %zu KB (%.1f x the input)\n",
                input / 1024, held / 1024, static_cast<double>(held) / static_cast<double>(input));
    rusage usage{};
    getrusage(RUSAGE_SELF, &usage);
    std::printf("peak of the whole benchmark: %ld MB\n", usage.ru_maxrss / 1024);
}

// Run as `PaletteLoadBench --peak`: a fresh process that makes the
// 100,000-color GIMP palette and loads it once, so that its peak is the
// palette's, the load's and the program's.
int PeakOfOneLoad()
{
    BenchHost host;
    const jx_REF<jx_STREAM> stream = MakeBenchPalette(100000, u"bench.gpl", host);
    stream->Seek(0, 0);
    const jx_REF<jx_COLLECTION> colors(CreateColorList());
    const jx_REF<jx_SORTEDCOLLECTION> names(CreateColorNameTable());
    ReadPaletteStream(stream.get(), colors.get(), names.get(), host);
    rusage usage{};
    getrusage(RUSAGE_SELF, &usage);
    std::printf("GIMP palette of 100,000 colors made and loaded once: peak %ld KB (names added one at a time, "
                "as before: 17,500 KB)\n",
                usage.ru_maxrss);
    return 0;
}

} // namespace

int main(int argc, char** argv)
{
    if (argc == 2 && std::string(argv[1]) == "--peak")
        return PeakOfOneLoad();
    // Keep freed memory mapped between runs. Otherwise the C library hands
    // a large table's pages back to the system after each run, and only the
    // largest size pays for touching fresh pages again in every one of its
    // five runs: the figures would compare page faults, not loading.
    mallopt(M_TRIM_THRESHOLD, 1 << 30);
    mallopt(M_MMAP_THRESHOLD, 1 << 30);
    BenchHost host;
    std::printf("%-6s %10s %12s %12s\n", "format", "colors", "load ms", "x previous");
    for (const char16_t* fileName : {u"bench.gpl", u"bench.aco", u"bench.ase", u"bench.html"}) {
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
    MarkupRows();
    MemoryRows(host);
    std::fflush(stdout);
    return std::system((std::string(argv[0]) + " --peak").c_str()) == 0 ? 0 : 1;
}
