// The palette as a whole: loading it from a stream into the shelf (one undo
// step), saving it, the load and save commands with the host's file dialog,
// and the default palette saved at every close. The controller does this,
// not the shelf, since it holds what a load touches besides the slots: the
// color names, the undo history and the host.
#include "dialog/CltPiker.h"
#include "dialog/PaletteFolders.h"
#include "palette/PaletteLoad.h"
#include "palette/formats/GimpPalette.h"
#include "palette/formats/PaletteDispatch.h"
#include "palette/formats/PaletteLists.h"
#include "plexa/jx_CORE.h"
#include "plexa/jx_REF.h"
#include "plexa/jx_XML.h"
#include "module/ModuleState.h"
#include "module/ModuleText.h"
#include "resources/ResourceIds.h"
#include "undo/UndoManager.h"

namespace {

constexpr int kPathUnits = 1024;

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

void ShowError(HWND owner, int text)
{
    MessageBoxW(owner, reinterpret_cast<const wchar_t*>(GetModuleText(text)),
                reinterpret_cast<const wchar_t*>(GetModuleText(IDS_ERROR)), MB_ICONEXCLAMATION);
}

} // namespace

HINSTANCE CCltPiker::ResourceModule() const { return static_cast<HINSTANCE>(ModuleInstance); }

void CCltPiker::LoadPaletteFile(jx_STREAM* stream, bool replace, bool replaceNames)
{
    const jx_REF<jx_COLLECTION> colors(CreateColorList());
    const jx_REF<jx_SORTEDCOLLECTION> names(CreateColorNameTable());
    DialogPaletteHost host;
    if (!stream)
        return;
    switch (ReadPaletteStream(stream, colors.get(), names.get(), host)) {
    case PaletteRead::Done:
        break;
    case PaletteRead::OutOfMemory:
        // The shelf keeps its palette; the host hears why the file did not load.
        host.ReportMessage("The palette is too large to be read: there is not enough memory.");
        return;
    default:
        return;
    }
    if (SharedUndoManager)
        SharedUndoManager->RecordPaletteLoad(*this);
    UpdateUndoButtons();
    ApplyLoadedPalette(shelf.model.slots, colorNames, colors.get(), names.get(), replace, replaceNames);
    shelf.PaletteChanged();
}

bool CCltPiker::SavePaletteFile(jx_STREAM* stream)
{
    DialogPaletteHost host;
    return SavePaletteStream(stream, shelf.model.slots, colorNames.Table(), host) && stream->Commit() == 0;
}

void CCltPiker::LoadPaletteCommand()
{
    char16_t path[kPathUnits] = {};
    if (!HostObject)
        return;
    UserPaletteFolder().copy(path, kPathUnits - 1);
    if (!HostObject->ShowFileDialog(hDlg, path, GetModuleText(IDS_OPEN_FILTER), 0))
        return;
    const jx_REF<jx_STREAM> stream(HostObject->OpenStream(nullptr, path, kStreamReadFile));
    if (!stream) {
        ShowError(hDlg, IDS_CANNOT_OPEN_FILE);
        return;
    }
    LoadPaletteFile(stream.get(), false, false);
    InvalidateRect(hDlg, nullptr, FALSE);
}

void CCltPiker::SavePaletteCommand()
{
    char16_t path[kPathUnits] = {};
    if (!HostObject)
        return;
    (UserPaletteFolder() + GetModuleText(IDS_DEFAULT_SAVE_NAME)).copy(path, kPathUnits - 1);
    if (!HostObject->ShowFileDialog(hDlg, path, GetModuleText(IDS_SAVE_FILTER), 1))
        return;
    const jx_REF<jx_STREAM> stream(HostObject->OpenStream(nullptr, path, kStreamCreateFile));
    // A file that cannot be written in full (a full disk, a locked or
    // read-only target) is refused like one that cannot be created: the
    // old file stays as it was.
    if (!stream || !SavePaletteFile(stream.get()))
        ShowError(hDlg, IDS_CANNOT_CREATE_FILE);
}

void CCltPiker::SaveDefaultPalette()
{
    if (!HostObject)
        return;
    const std::u16string file = PaletteFolder() + kDefaultPaletteFile;
    // A default palette that cannot be written is left as it was, silently.
    if (const jx_REF<jx_STREAM> stream(HostObject->OpenStream(nullptr, file.c_str(), kStreamCreateFile)); stream)
        SavePaletteFile(stream.get());
}

jx_STREAM* CCltPiker::SnapshotPalette()
{
    jx_STREAM* stream = HostObject ? HostObject->OpenStream(nullptr, nullptr, kStreamMemory) : nullptr;
    if (!stream)
        return nullptr;
    WriteGimpPalette(stream, shelf.model.slots, colorNames.Table());
    stream->Seek(0, 0);
    return stream;
}

void CCltPiker::LoadPaletteSnapshot(jx_STREAM* snapshot)
{
    snapshot->Seek(0, 0);
    LoadPaletteFile(snapshot, true, true);
    shelf.InvalidateShelf();
}

void CCltPiker::SlotsChanged()
{
    shelf.PaletteChanged();
    shelf.InvalidateShelf();
    UpdateUndoButtons();
}

void CCltPiker::BeforeSlotChange(int index)
{
    if (SharedUndoManager)
        SharedUndoManager->RecordSlot(*this, index);
}

void CCltPiker::BeforeGradient(int a, int b)
{
    if (SharedUndoManager)
        SharedUndoManager->RecordRange(*this, a, b);
}
