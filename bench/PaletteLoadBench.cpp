// Prints how long loading palettes of 1,000, 10,000 and 100,000 named
// colors takes in each format, and how the time grows with the size.
#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <cstring>
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

// The markups whose peak is measured, each in a process of its own: the
// markup is made in a memory stream (as the palette tool holds its input)
// and loaded into a document once.
std::string HostileMarkup(const std::string& kind)
{
    std::string markup;
    if (kind == "tiny") {
        // 20 MB of the smallest elements there are, after one table cell.
        markup = "<table><tr><td bgcolor=\"#102030\">x</td>";
        for (int i = 0; i < 5000000; ++i)
            markup += "<p/>";
        markup += "</tr></table>";
    } else if (kind == "catalog") {
        // A palette catalog of 861,310 entries.
        markup = "<palettes>\n";
        for (int i = 0; i < 861310; ++i)
            markup += "<palette name=\"Palette " + std::to_string(i) + "\" file=\"p" + std::to_string(i) + ".gpl\"/>\n";
        markup += "</palettes>\n";
    } else if (kind == "attributes") {
        // Tags of many short attributes.
        for (int i = 0; i < 200000; ++i)
            markup += "<p a b c d e f g h/>";
    }
    return markup;
}

// A line of /proc/self/status, in KB: VmRSS now, VmHWM the peak since the
// last reset.
long StatusKilobytes(const char* field)
{
    std::FILE* status = std::fopen("/proc/self/status", "r");
    long value = -1;
    char line[256];
    while (status && std::fgets(line, sizeof line, status))
        if (std::string(line).starts_with(field))
            value = std::atol(line + std::strlen(field) + 1);
    if (status)
        std::fclose(status);
    return value;
}

// Starts a new peak from the present size (Linux 4.0 and later).
void ResetPeak()
{
    if (std::FILE* refs = std::fopen("/proc/self/clear_refs", "w")) {
        std::fputs("5", refs);
        std::fclose(refs);
    }
}

// Run as `PaletteLoadBench --markup KIND`.
int PeakOfOneMarkup(const std::string& kind)
{
    const long before = StatusKilobytes("VmRSS");
    jx_REF<jx_STREAM> stream;
    std::size_t size = 0;
    {
        const std::string markup = kind == "table" ? std::string() : HostileMarkup(kind);
        BenchHost host;
        stream = kind == "table" ? MakeBenchPalette(100000, u"bench.html", host) : StreamOf(markup);
        size = static_cast<std::size_t>(stream->Tell());
    }
    // The string the markup was made in is gone; its pages may stay mapped.
    malloc_trim(0);
    ResetPeak();
    stream->Seek(0, 0);
    const auto start = Clock::now();
    const jx_REF<jx_XMLDOCUMENT> document(CreateXmlDocument());
    document->Load(stream.get());
    const std::chrono::duration<double, std::milli> elapsed = Clock::now() - start;
    const long peak = StatusKilobytes("VmHWM") - before;
    std::printf("%-44s %9zu KB %9.0f ms  peak %8ld KB  %5.1f x the markup\n",
                kind == "table"     ? "HTML palette of 100,000 colors"
                : kind == "tiny"    ? "5,000,000 <p/> after a table cell"
                : kind == "catalog" ? "catalog of 861,310 palettes"
                                    : "200,000 tags of 8 attributes",
                size / 1024, elapsed.count(), peak, static_cast<double>(peak) * 1024.0 / static_cast<double>(size));
    return 0;
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
    if (argc == 3 && std::string(argv[1]) == "--markup")
        return PeakOfOneMarkup(argv[2]);
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
    std::printf("\nMarkup read into a document, each in a fresh process: the peak beyond the program's own,\n"
                "with the markup held in a memory stream as the palette tool holds its input\n");
    std::fflush(stdout);
    for (const char* kind : {"table", "tiny", "catalog", "attributes"})
        if (std::system((std::string(argv[0]) + " --markup " + kind).c_str()) != 0)
            return 1;
    return std::system((std::string(argv[0]) + " --peak").c_str()) == 0 ? 0 : 1;
}
