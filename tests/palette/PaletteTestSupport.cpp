#include "tests/palette/PaletteTestSupport.h"

#include <algorithm>
#include <cstdio>
#include <fstream>
#include <iterator>

#include "host/plexa/src/MemoryStream.h"
#include "palette/formats/PaletteLists.h"
#include "common/Utf8.h"
#include "plexa/jx_XML.h"

jx_XMLDOCUMENT* TestPaletteHost::CreateXmlDocument() { return ::CreateXmlDocument(); }

jx_REF<jx_STREAM> NamedMemoryStream(const std::u16string& fileName)
{
    return jx_REF<jx_STREAM>(new MemoryStream(fileName));
}

jx_REF<jx_STREAM> StreamOf(const std::string& bytes)
{
    jx_REF<jx_STREAM> stream(new MemoryStream());
    stream->Write(bytes.data(), static_cast<int>(bytes.size()));
    stream->Seek(0, 0);
    return stream;
}

std::string StreamBytes(jx_STREAM* stream)
{
    stream->Seek(0, 0);
    std::string bytes;
    char chunk[4096];
    for (int read; (read = stream->Read(chunk, sizeof chunk)) > 0;)
        bytes.append(chunk, static_cast<std::size_t>(read));
    return bytes;
}

CPaletteSlots SlotsOf(const std::vector<std::uint32_t>& values)
{
    CPaletteSlots slots;
    slots.SetSlotCount(static_cast<int>(values.size()));
    for (std::size_t i = 0; i < values.size(); ++i)
        slots.Set(static_cast<int>(i), values[i]);
    return slots;
}

ReadResult Collect(const jx_COLLECTION* colors, const jx_SORTEDCOLLECTION* names)
{
    ReadResult result;
    for (int i = 0; i < colors->Count(); ++i)
        result.colors.push_back(ColorAt(colors, i));
    for (int i = 0; i < names->Count(); ++i) {
        const auto* entry = static_cast<const ColorNameEntry*>(names->At(i));
        char color[16];
        std::snprintf(color, sizeof color, "%06x", static_cast<unsigned>(entry->color));
        result.names.push_back(std::string(color) + ":" + Utf16ToUtf8(entry->text ? entry->text : u""));
    }
    return result;
}

ReadResult ReadWith(const PaletteReaderCall& reader, const std::string& bytes, std::vector<std::string>* reports)
{
    const auto stream = StreamOf(bytes);
    const jx_REF<jx_COLLECTION> colors(CreateColorList());
    const jx_REF<jx_SORTEDCOLLECTION> names(CreateColorNameTable());
    TestPaletteHost host;
    reader(stream.get(), colors.get(), names.get(), host);
    if (reports)
        *reports = host.reports;
    return Collect(colors.get(), names.get());
}

jx_REF<jx_SORTEDCOLLECTION> NameTable(const std::vector<std::pair<std::uint32_t, std::u16string>>& pairs)
{
    jx_REF<jx_SORTEDCOLLECTION> table(CreateColorNameTable());
    CColorNameBatch batch;
    for (const auto& [color, name] : pairs)
        batch.Add(color, name);
    batch.AddTo(table.get());
    return table;
}

std::string ReadFileBytes(const std::string& path)
{
    std::ifstream in(path, std::ios::binary);
    return std::string((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
}
