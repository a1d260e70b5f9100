// The palette the load benchmarks read: `count` distinct colors in
// scrambled order, each with a name of its own, written in the format the
// file name asks for (.ase: a swatch exchange file).
#pragma once

#include <string>

#include "palette/ColorNameTable.h"
#include "palette/PaletteSlots.h"
#include "palette/formats/AsePalette.h"
#include "palette/formats/PaletteDispatch.h"
#include "plexa/HostStreams.h"
#include "plexa/jx_REF.h"
#include "plexa/jx_XML.h"

// Real documents for the HTML format; reports are not the benchmarks' business.
class BenchHost final : public PaletteHost {
public:
    jx_XMLDOCUMENT* CreateXmlDocument() override { return ::CreateXmlDocument(); }
    void ReportMessage(const char*) override {}
};

inline jx_REF<jx_STREAM> MakeBenchPalette(int count, const char16_t* fileName, PaletteHost& host)
{
    CPaletteSlots slots;
    slots.SetSlotCount(count);
    const jx_REF<jx_SORTEDCOLLECTION> names(CreateColorNameTable());
    for (int i = 0; i < count; ++i) {
        const std::uint32_t color = static_cast<std::uint32_t>(i) * 2654435761u % 0x1000000u;
        slots.Set(i, color);
        const std::string number = std::to_string(i);
        const std::u16string name = u"Color " + std::u16string(number.begin(), number.end());
        names->Add(MakeColorNameEntry(color, name.c_str()));
    }
    jx_REF<jx_STREAM> stream(CreateMemoryStream(fileName));
    if (std::u16string_view(fileName).ends_with(u".ase"))
        WriteAsePalette(stream.get(), slots, names.get());
    else
        SavePaletteStream(stream.get(), slots, names.get(), host);
    return stream;
}
