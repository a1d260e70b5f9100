// WM_SIZE and the life of the dialog window around it: laying the
// windowless controls over their placeholders, the blink timer, closing.
#include "dialog/CltPiker.h"

#include "common/DialogItem.h"
#include "resources/ResourceIds.h"

CWBase* CCltPiker::Placeholder(int id)
{
    switch (id) {
    case IDC_ORIGINAL_SWATCH:
        return &originalSwatch;
    case IDC_CURRENT_SWATCH:
        return &currentSwatch;
    case IDC_FIELD:
        return &colorField;
    case IDC_SHELF:
        return &shelf;
    default:
        return id >= IDC_RED_SLIDER && id <= IDC_ALPHA_SLIDER ? &sliders[id - IDC_RED_SLIDER] : nullptr;
    }
}

void CCltPiker::OnSize(WPARAM type, int width, int height)
{
    // The bridge always lays out the full design; in compact mode the part
    // right of the cut is simply outside the window.
    if (compact)
        width += compactCut;
    if (bridge && width != 0)
        bridge->ProcessMessage(hDlg, WM_SIZE, type, MAKELPARAM(width, height));
    LayoutControls();
    // A control that compact mode cut off gives up the focus.
    if (keyFocus != kNoElement && IsCutOff(keyFocus)) {
        FocusElement(kNoElement);
        SendMessageW(hDlg, WM_NEXTDLGCTL, 0, FALSE);
    }
}

void CCltPiker::LayoutControls()
{
    for (const int id :
         {IDC_CURRENT_SWATCH, IDC_ORIGINAL_SWATCH, IDC_FIELD, IDC_SHELF, IDC_RED_SLIDER, IDC_GREEN_SLIDER,
          IDC_BLUE_SLIDER, IDC_HUE_SLIDER, IDC_SATURATION_SLIDER, IDC_VALUE_SLIDER, IDC_STRIP})
        Placeholder(id)->SetRectFromWindow(DialogItem(hDlg, id));
    if (color.alphaEnabled)
        sliders[kAlphaSlider].SetRectFromWindow(DialogItem(hDlg, IDC_ALPHA_SLIDER));
    RedrawWindow(hDlg, nullptr, nullptr, RDW_INVALIDATE | RDW_ALLCHILDREN | RDW_UPDATENOW);
    PlaceTooltips();
}

void CCltPiker::OnTimer(UINT_PTR id)
{
    // Slots equal to the current color blink: the shelf repaints them.
    if (id == IDT_BLINK && !shelf.Marks().empty())
        shelf.InvalidateShelf();
    if (id == IDT_COLOR_TEXTS)
        CatchUpColorTexts();
}

void CCltPiker::OnActivateApp(bool active)
{
    // Another application came to the front: the shelf's tracking tooltip
    // goes away with it.
    if (!active && tipTracking)
        TrackShelfTip(false);
}

void CCltPiker::OnDestroy()
{
    SaveDefaultPalette();
    SaveSettings();
    if (tooltip) {
        DestroyWindow(tooltip);
        tooltip = nullptr;
    }
    if (timerId) {
        KillTimer(hDlg, timerId);
        timerId = 0;
    }
    KillTimer(hDlg, IDT_COLOR_TEXTS);
    loupe.Destroy();
    // Screen readers holding the dialog's objects hear from now on that it
    // has gone.
    accessibility.reset();
    // The controller deletes its pictures after the static is gone: the
    // static must not hold one then.
    ShowEyedropperPicture(nullptr);
}
