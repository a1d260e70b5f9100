// Shared by the palette tests: a host that makes real XML documents and
// records reports, in-memory streams with a file name, and readers of what
// a palette reader delivered.
#pragma once

#include <cstdint>
#include <functional>
#include <string>
#include <vector>

#include "palette/ColorNameTable.h"
#include "palette/formats/PaletteHost.h"
#include "palette/PaletteSlots.h"
#include "plexa/jx_COLLECTION.h"
#include "plexa/jx_REF.h"
#include "plexa/jx_STREAM.h"

class TestPaletteHost : public PaletteHost {
public:
    jx_XMLDOCUMENT* CreateXmlDocument() override;
    void ReportMessage(const char* text) override { reports.emplace_back(text); }
    std::vector<std::string> reports;
};

// A read-write memory stream that reports `fileName` as its name.
jx_REF<jx_STREAM> NamedMemoryStream(const std::u16string& fileName);
// A stream over a copy of bytes, positioned at the start.
jx_REF<jx_STREAM> StreamOf(const std::string& bytes);
// Everything in the stream, from its start.
std::string StreamBytes(jx_STREAM* stream);

CPaletteSlots SlotsOf(const std::vector<std::uint32_t>& values);

// What a reader delivered.
struct ReadResult {
    std::vector<std::uint32_t> colors;
    // "color:name" per table entry, in table order, color as 6 hex digits.
    std::vector<std::string> names;
};
ReadResult Collect(const jx_COLLECTION* colors, const jx_SORTEDCOLLECTION* names);

// Runs a reader over bytes with fresh lists; the host's reports go to
// `reports` when given.
using PaletteReaderCall = std::function<void(jx_STREAM*, jx_COLLECTION*, jx_SORTEDCOLLECTION*, PaletteHost&)>;
ReadResult ReadWith(const PaletteReaderCall& reader, const std::string& bytes,
                    std::vector<std::string>* reports = nullptr);

// A name table holding (color, name) pairs.
jx_REF<jx_SORTEDCOLLECTION> NameTable(const std::vector<std::pair<std::uint32_t, std::u16string>>& pairs);

std::string ReadFileBytes(const std::string& path);
