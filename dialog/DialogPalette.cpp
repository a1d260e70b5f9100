// The palette the shelf starts with, read through the palette formats.
#include "dialog/CltPiker.h"

#include "palette/formats/PaletteDispatch.h"
#include "palette/formats/PaletteLists.h"
#include "plexa/jx_CORE.h"
#include "plexa/jx_REF.h"
#include "plexa/jx_XML.h"
#include "plugin/ModuleState.h"

namespace {

// The host's documents and reports, for the palette readers.
class DialogPaletteHost final : public PaletteHost {
public:
    jx_XMLDOCUMENT* CreateXmlDocument() override
    {
        return HostObject ? static_cast<jx_XMLDOCUMENT*>(HostObject->CreateObjectByName("ZQXMLDOCUMENT")) : nullptr;
    }
    void ReportMessage(const char* text) override
    {
        if (HostObject)
            HostObject->ReportMessage(kReportWarning, text);
    }
};

constexpr char16_t kBuiltInPalette[] = u"PALETTE|SIMPLE_PALETTE";

} // namespace

HINSTANCE CCltPiker::ResourceModule() const { return static_cast<HINSTANCE>(ModuleInstance); }

void CCltPiker::InstallBuiltInPalette()
{
    if (!HostObject)
        return;
    const jx_REF<jx_STREAM> stream(HostObject->OpenStream(ModuleInstance, kBuiltInPalette, kStreamReadResource));
    const jx_REF<jx_COLLECTION> colors(CreateColorList());
    const jx_REF<jx_SORTEDCOLLECTION> names(CreateColorNameTable());
    DialogPaletteHost host;
    if (!stream || !ReadPaletteStream(stream.get(), colors.get(), names.get(), host))
        return;
    CPaletteSlots& slots = shelf.model.slots;
    slots.SetSlotCount(colors->Count());
    for (int i = 0; i < colors->Count(); ++i)
        slots.Set(i, ColorAt(colors.get(), i));
    slots.SetRows(colors->Count() / CPaletteSlots::kColumns);
    slots.NormalizeRows(0);
    colorNames.MergeTable(names.get());
    shelf.PaletteChanged();
}
