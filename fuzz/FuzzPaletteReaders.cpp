#include "fuzz/FuzzPaletteReaders.h"

#include "palette/ColorNameTable.h"
#include "palette/formats/GimpPalette.h"
#include "host/plexa/src/MemoryStream.h"
#include "palette/formats/PaletteLists.h"
#include "palette/PaletteSlots.h"
#include "plexa/jx_REF.h"
#include "plexa/jx_XML.h"

namespace {

class FuzzHost : public PaletteHost {
public:
    jx_XMLDOCUMENT* CreateXmlDocument() override { return ::CreateXmlDocument(); }
    void ReportMessage(const char*) override {}
};

} // namespace

void FuzzPaletteReader(PaletteReader reader, const std::uint8_t* data, std::size_t size)
{
    const jx_REF<jx_STREAM> stream(new MemoryStream(data, static_cast<std::int32_t>(size)));
    const jx_REF<jx_COLLECTION> colors(CreateColorList());
    const jx_REF<jx_SORTEDCOLLECTION> names(CreateColorNameTable());
    FuzzHost host;
    reader(stream.get(), colors.get(), names.get(), host);

    // What was read must be usable: every name looked up, the palette
    // written again.
    CPaletteSlots slots;
    slots.SetSlotCount(colors->Count());
    CAColorName table;
    table.SetTable(names.get());
    for (int i = 0; i < colors->Count(); ++i) {
        slots.Set(i, ColorAt(colors.get(), i));
        jx_STRING text;
        table.GetColorNames(ColorAt(colors.get(), i), text);
    }
    slots.NormalizeRows(0);
    const jx_REF<jx_STREAM> out(new MemoryStream());
    WriteGimpPalette(out.get(), slots, names.get());
}
