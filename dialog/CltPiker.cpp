#include "dialog/CltPiker.h"

#include "dialog/PickerSettings.h"
#include "plexa/jx_REF.h"
#include "module/ModuleState.h"
#include "undo/UndoManager.h"

CCltPiker::CCltPiker()
{
    const jx_REF<jx_SORTEDCOLLECTION> names(CreateColorNameTable());
    colorNames.SetTable(names.get());
    shelf.owner = this;
    shelf.model.RestoreScroll(ReadPickerInt("paletteScrollPos", 0));
    gridColor1 = static_cast<COLORREF>(ReadHostWideInt("2d\\G1Color", 0x00FFFFFF));
    gridColor2 = static_cast<COLORREF>(ReadHostWideInt("2d\\G2Color", 0x00F8E0CC));
    gridMode = ReadHostWideInt("2d\\GridMode", 1);
    originalSwatch.owner = this;
    originalSwatch.lower = true;
    currentSwatch.owner = this;
    if (!SharedUndoManager)
        SharedUndoManager = new mjx_UNDOMGR();
    SharedUndoManager->Bind(this);
    bridge = CreateLayoutBridge();
}

// The bridge goes first, and the shelf's scroll position is kept for the
// next run; the members then go in the reverse of their order: the
// catalog's and the names' collections, the shelf, the sliders, the field,
// the background brush, the current and the original swatch.
CCltPiker::~CCltPiker()
{
    bridge.reset();
    if (SharedUndoManager)
        SharedUndoManager->Unbind(this);
    WritePickerInt("paletteScrollPos", shelf.model.ScrollPosition());
}

Checkerboard CCltPiker::BoardFor(CheckerboardUse use) const
{
    return CheckerboardFor(gridMode, CRGBA(gridColor1), CRGBA(gridColor2), use);
}
