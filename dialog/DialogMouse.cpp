// The mouse on the picker dialog's windowless controls: drags on the channel
// sliders, the strip and the field, clicks on the swatches, and the
// double-clicks that choose a color and close the dialog.
#include "dialog/CltPiker.h"
#include "dialog/DialogItems.h"
#include "resources/ResourceIds.h"

namespace {

// Channel sliders are easy to hit: a little wider and taller than drawn.
constexpr int kSliderMarginX = 4;
constexpr int kSliderMarginY = 1;

} // namespace

CGr* CCltPiker::SliderAt(int x, int y, int marginX, int marginY)
{
    for (int i = kRedSlider; i <= kValueSlider; ++i)
        if (sliders[i].HitTest(x, y, marginX, marginY))
            return &sliders[i];
    if (color.alphaEnabled && sliders[kAlphaSlider].HitTest(x, y, marginX, marginY))
        return &sliders[kAlphaSlider];
    return nullptr;
}

void CCltPiker::ReleaseCaptureUnlessNeeded()
{
    if (!tipTracking && shelfOp == 0 && dragKind == kNoDrag && GetCapture() == hDlg)
        ReleaseCapture();
}

void CCltPiker::OnLeftButtonDown(int, int x, int y)
{
    tipSlot = -1;
    // The eyedropper picture starts sampling here once the dialog samples.
    if (originalSwatch.HitTest(x, y, 0, 0)) {
        const CRGBA original(request.word[kPickerColor]);
        bool changed = false;
        if (color.alphaEnabled) {
            // The original alpha is made current first; the change is then a
            // full one (undo step, refresh, requester told) even when only
            // the alpha differed.
            const CRGBA before = color.currentColor;
            color.currentColor = CRGBA(before.ColorRef() | (original.value & 0xFF000000u));
            ColorChange change = color.SetColor(original);
            if (change || color.currentColor != before)
                change = {true, true, before};
            changed = Changed(change);
        } else {
            changed = SetColor(original);
        }
        if (changed)
            OnMouseMove(0, x, y);
        return;
    }
    // The current swatch and the shelf act here once the shelf has its
    // marks and gestures.
    if (colorField.HitTest(x, y, 0, 0) || sliders[kStripSlider].HitTest(x, y, 0, 0)) {
        dragKind = kFieldDrag;
        dragControl = colorField.HitTest(x, y, 0, 0) ? &colorField : &sliders[kStripSlider];
        SetCapture(hDlg);
        OnMouseMove(0, x, y);
        return;
    }
    if (CGr* slider = SliderAt(x, y, kSliderMarginX, kSliderMarginY)) {
        slider->MouseTrack(x, y);
        dragKind = kSliderDrag;
        dragControl = slider;
        SetCapture(hDlg);
    }
}

void CCltPiker::OnMouseMove(int, int x, int y)
{
    if (GetCapture() == hDlg) {
        if ((dragKind == kSliderDrag || dragKind == kFieldDrag) && dragControl)
            dragControl->MouseTrack(x, y);
        if (dragKind != kNoDrag)
            return;
    }
    // Picking slots up, the tracking tooltip and the gradient preview follow
    // the pointer here once the shelf has its gestures.
}

void CCltPiker::OnLeftButtonUp(int, int, int)
{
    if (dragKind != kNoDrag && GetCapture() == hDlg) {
        dragKind = kNoDrag;
        dragControl = nullptr;
        InvalidateRect(hDlg, nullptr, FALSE);
        ReleaseCaptureUnlessNeeded();
    }
}

void CCltPiker::OnLeftButtonDoubleClick(int, int x, int y)
{
    // A double-click on a filled slot chooses it here once the shelf has its gestures.
    if (currentSwatch.HitTest(x, y, 0, 0) || originalSwatch.HitTest(x, y, 0, 0)) {
        EndDialog(hDlg, 1);
        return;
    }
    if (colorField.HitTest(x, y, 0, 0)) {
        colorField.MouseTrack(x, y);
        EndDialog(hDlg, 1);
        return;
    }
    if (CGr* slider = SliderAt(x, y, kSliderMarginX, kSliderMarginY)) {
        slider->MouseTrack(x, y);
        EndDialog(hDlg, 1);
    }
}
