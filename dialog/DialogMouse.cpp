// The mouse on the picker dialog's windowless controls: drags on the channel
// sliders, the strip and the field, clicks on the swatches, the palette
// shelf's gestures and its tracking tooltip, the wheel, and the
// double-clicks that choose a color and close the dialog.
#include "dialog/CltPiker.h"

#include <utility>

#include <commctrl.h>

#include "dialog/DialogItems.h"
#include "dialog/PhysicalPixels.h"
#include "dialog/TipTexts.h"
#include "module/ModuleText.h"
#include "resources/ResourceIds.h"

namespace {

// Channel sliders are easy to hit: a little wider and taller than drawn.
constexpr int kSliderMarginX = 4;
constexpr int kSliderMarginY = 1;
// The shelf's tooltip stands off the pointer by this much, right and down.
constexpr int kTipOffset = 15;

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
    if (!tipTracking && shelfOp == 0 && dragKind == kNoDrag && !picking && GetCapture() == hDlg)
        ReleaseCapture();
}

bool CCltPiker::OverSlot(int x, int y) { return !compact && shelf.HitTest(x, y, 0, 0); }

void CCltPiker::OnLeftButtonDown(int keys, int x, int y)
{
    tipSlot = -1;
    slotStoredByClick = -1;
    if (picking && keyboardPick) {
        // A click ends a pick the keyboard began, as a release ends a drag.
        OnLeftButtonUp(keys, x, y);
        return;
    }
    if (!compact && IsPointInDlgItem(hDlg, IDC_EYEDROPPER, x, y)) {
        SetPickMode(!picking);
        if (picking)
            ShowPick(ClientToPhysicalScreen(hDlg, {x, y}));
        return;
    }
    if (originalSwatch.HitTest(x, y, 0, 0)) {
        if (TakeOriginalColor())
            OnMouseMove(0, x, y);
        return;
    }
    if (currentSwatch.HitTest(x, y, 0, 0)) {
        StepThroughMarks();
        return;
    }
    const bool overSlot = OverSlot(x, y);
    if (!compact && !overSlot && shelf.Contains(x, y, 0, 0)) {
        // Beside the last slot: the color of the screen under the pointer.
        SetColor(SampleScreen(ClientToPhysicalScreen(hDlg, {x, y})));
        return;
    }
    if (overSlot) {
        if (ClickSlot(shelf.HitResult().index, (keys & MK_CONTROL) != 0))
            OnMouseMove(0, x, y);
        return;
    }
    if (colorField.HitTest(x, y, 0, 0) || sliders[kStripSlider].HitTest(x, y, 0, 0)) {
        dragKind = kFieldDrag;
        dragControl = colorField.HitTest(x, y, 0, 0) ? &colorField : &sliders[kStripSlider];
        SetCapture(hDlg);
        OnMouseMove(0, x, y);
        return;
    }
    if (compact)
        return;
    if (CGr* slider = SliderAt(x, y, kSliderMarginX, kSliderMarginY)) {
        slider->MouseTrack(x, y);
        dragKind = kSliderDrag;
        dragControl = slider;
        SetCapture(hDlg);
    }
}

bool CCltPiker::TakeOriginalColor()
{
    const CRGBA original(request.word[kPickerColor]);
    if (!color.alphaEnabled)
        return SetColor(original);
    // The original alpha is made current first; the change is then a full
    // one (undo step, refresh, requester told) even when only the alpha
    // differed.
    const CRGBA before = color.currentColor;
    color.currentColor = CRGBA(before.ColorRef() | (original.value & 0xFF000000u));
    ColorChange change = color.SetColor(original);
    if (change || color.currentColor != before)
        change = {true, true, before};
    return Changed(change);
}

bool CCltPiker::ClickSlot(int slot, bool control)
{
    const std::uint32_t value = shelf.model.slots.At(slot);
    bool changed = false;
    if (control)
        changed = shelf.SetSlot(slot, EMPTY_SLOT);
    else if (value == EMPTY_SLOT && (changed = shelf.SetSlot(slot, color.currentColor.ColorRef())))
        slotStoredByClick = slot;
    else
        changed = SetColor(CRGBA(value));
    if (changed) {
        UpdateUndoButtons();
        InvalidateRect(hDlg, nullptr, FALSE);
    }
    return changed;
}

void CCltPiker::StepThroughMarks()
{
    // Each click goes to the next place of the palette holding the color,
    // and from the last back to the first.
    if (shelf.model.needsRefresh)
        shelf.model.UpdateMarks(color.currentColor.value);
    const std::vector<int>& marks = shelf.Marks();
    if (marks.empty())
        return;
    const int position = shelf.model.ScrollPosition();
    for (const int mark : marks) {
        if (shelf.model.RowTop(mark) > position) {
            shelf.ScrollTo(shelf.model.RowTop(mark));
            if (shelf.model.ScrollPosition() != position)
                return;
            break;
        }
    }
    shelf.ScrollTo(shelf.model.RowTop(marks.front()));
}

void CCltPiker::OnMouseMove(int keys, int x, int y)
{
    if (GetCapture() == hDlg) {
        if (picking) {
            if ((keys & MK_LBUTTON) || keyboardPick)
                TrackPick(x, y);
            else
                SetPickMode(false);
            return;
        }
        if ((dragKind == kSliderDrag || dragKind == kFieldDrag) && dragControl)
            dragControl->MouseTrack(x, y);
        if (dragKind != kNoDrag)
            return;
    }
    const bool overSlot = OverSlot(x, y);
    const int hovered = shelf.HitResult().index;
    if ((keys & MK_LBUTTON) && overSlot) {
        const std::uint32_t value = shelf.model.slots.At(hovered);
        if (keys & MK_CONTROL) {
            if (shelf.SetSlot(hovered, EMPTY_SLOT)) {
                UpdateUndoButtons();
                InvalidateRect(hDlg, nullptr, FALSE);
            }
        } else if (value != EMPTY_SLOT) {
            SetColor(CRGBA(value));
        }
    }
    UpdateShelfTip(overSlot, hovered, x, y);
    if (shelfOp == 1) {
        const int target = overSlot ? hovered : shelfOpFrom;
        if (target != shelfOpTo) {
            shelfOpTo = target;
            InvalidateRect(hDlg, nullptr, FALSE);
        }
    }
}

void CCltPiker::UpdateShelfTip(bool overSlot, int hovered, int x, int y)
{
    if (!tooltip)
        return;
    if (overSlot) {
        POINT screen{x, y};
        ClientToScreen(hDlg, &screen);
        SendMessageW(tooltip, TTM_TRACKPOSITION, 0, MAKELPARAM(screen.x + kTipOffset, screen.y + kTipOffset));
        if (hovered != tipSlot) {
            tipSlot = hovered;
            const std::uint32_t value = shelf.model.slots.At(hovered);
            jx_STRING text;
            if (value != EMPTY_SLOT) {
                text =
                    SwatchTipText(colorNames, CRGBA(value), helpToolTip ? GetModuleText(IDS_TIP_FILLED_SLOT) : nullptr,
                                  ContrastText(CRGBA(value), color.currentColor));
            } else {
                text.Set(GetModuleText(IDS_TIP_EMPTY_SLOT));
                if (helpToolTip) {
                    text.Add(u"\r\n\r\n");
                    text.Add(GetModuleText(IDS_TIP_STORE_IN_SLOT));
                    text.Add(u"\r\n\r\n");
                    text.Add(GetModuleText(IDS_TIP_GRADIENT_TO_SLOT));
                }
            }
            SetToolText(IDC_SHELF, text.GetBuffer());
        }
    }
    if (overSlot != tipTracking)
        TrackShelfTip(overSlot);
}

void CCltPiker::OnLeftButtonUp(int, int x, int y)
{
    if (picking) {
        if (IsPointInDlgItem(hDlg, IDC_EYEDROPPER, x, y))
            SetColor(colorBeforePick);
        SetPickMode(false);
    }
    if (dragKind != kNoDrag && GetCapture() == hDlg) {
        dragKind = kNoDrag;
        dragControl = nullptr;
        CatchUpColorTexts();
        InvalidateRect(hDlg, nullptr, FALSE);
        ReleaseCaptureUnlessNeeded();
    }
}

void CCltPiker::OnLeftButtonDoubleClick(int, int x, int y)
{
    if (OverSlot(x, y)) {
        const int slot = shelf.HitResult().index;
        const std::uint32_t value = shelf.model.slots.At(slot);
        // A double click on an empty slot leaves the dialog open, also when
        // its first click has just stored the current color there.
        if (value != EMPTY_SLOT && slot != std::exchange(slotStoredByClick, -1)) {
            SetColor(CRGBA(value));
            EndDialog(hDlg, 1);
        }
        return;
    }
    if (currentSwatch.HitTest(x, y, 0, 0) || originalSwatch.HitTest(x, y, 0, 0)) {
        EndDialog(hDlg, 1);
        return;
    }
    if (colorField.HitTest(x, y, 0, 0)) {
        colorField.MouseTrack(x, y);
        EndDialog(hDlg, 1);
        return;
    }
    if (CGr* slider = compact ? nullptr : SliderAt(x, y, kSliderMarginX, kSliderMarginY)) {
        slider->MouseTrack(x, y);
        EndDialog(hDlg, 1);
    }
}

void CCltPiker::OnRightButtonDown(int keys, int x, int y)
{
    if (OverSlot(x, y) && shelf.SetSlot(shelf.HitResult().index, EMPTY_SLOT)) {
        tipSlot = -1;
        UpdateUndoButtons();
        OnMouseMove(0, x, y);
        InvalidateRect(hDlg, nullptr, FALSE);
        return;
    }
    OnMiddleButtonDown(keys, x, y);
}

void CCltPiker::OnMiddleButtonDown(int, int x, int y)
{
    if (!OverSlot(x, y) || shelfOp != 0)
        return;
    const ShelfHit hit = shelf.HitResult();
    if (shelf.model.slots.At(hit.index) == EMPTY_SLOT) {
        int before = 0, after = 0;
        if (!shelf.model.FilledNeighbours(hit.index, before, after))
            return;
        shelfOpFrom = before;
        shelfOpTo = after;
        shelfOpColumn = before % CShelfModel::kColumns;
        shelfOpRow = before / CShelfModel::kColumns;
        shelfOp = 2;
    } else {
        shelfOp = 1;
        shelfOpColumn = hit.column;
        shelfOpRow = hit.row;
        shelfOpFrom = shelfOpTo = hit.index;
    }
    SetCapture(hDlg);
    InvalidateRect(hDlg, nullptr, FALSE);
}

void CCltPiker::OnShelfButtonUp(int, int x, int y)
{
    if (shelfOp == 0)
        return;
    const int operation = shelfOp;
    shelfOp = 0;
    ReleaseCaptureUnlessNeeded();
    const bool overOther = OverSlot(x, y) && shelf.HitResult().index != shelfOpFrom;
    if (overOther) {
        shelf.MakeGradient(shelfOpFrom, operation == 1 ? shelf.HitResult().index : shelfOpTo);
        UpdateUndoButtons();
    }
    tipSlot = -1;
    OnMouseMove(0, x, y);
    InvalidateRect(hDlg, nullptr, FALSE);
}

void CCltPiker::OnMouseWheel(int, int x, int y, int delta)
{
    if (!OverSlot(x, y))
        return;
    const int rows = delta / WHEEL_DELTA;
    shelf.ScrollTo(shelf.model.ScrollPosition() - rows * shelf.model.CellHeight());
    OnMouseMove(0, x, y);
}

void CCltPiker::OnVScroll(int code, int thumb) { shelf.OnScroll(code, thumb); }

void CCltPiker::OnCaptureChanged(HWND newOwner)
{
    if (newOwner == hDlg)
        return;
    // A pick cut short keeps the color it had before, as Escape does; a
    // gradient cut short makes none; the tooltip stops tracking.
    if (picking) {
        SetColor(colorBeforePick);
        picking = false;
        SetPickMode(false);
    }
    const bool wasBusy = shelfOp != 0 || dragKind != kNoDrag;
    shelfOp = 0;
    dragKind = kNoDrag;
    dragControl = nullptr;
    CatchUpColorTexts();
    if (tipTracking)
        TrackShelfTip(false);
    if (wasBusy)
        InvalidateRect(hDlg, nullptr, FALSE);
}

void CCltPiker::ScrollToEmptySlot()
{
    const int position = shelf.model.ScrollPosition();
    const int next = shelf.model.NextEmptyRowTop(position);
    if (next >= 0) {
        shelf.ScrollTo(next);
        if (shelf.model.ScrollPosition() != position)
            return;
    }
    const int first = shelf.model.FirstEmptySlot();
    shelf.ScrollTo(first >= 0 ? shelf.model.RowTop(first) : 0);
}

void CCltPiker::StoreInFirstEmptySlot()
{
    const int slot = shelf.model.FirstEmptySlot();
    if (slot < 0) {
        shelf.ScrollTo(0);
        return;
    }
    ScrollSlotIntoView(slot);
    if (shelf.SetSlot(slot, color.currentColor.ColorRef()))
        UpdateUndoButtons();
    InvalidateRect(hDlg, nullptr, FALSE);
}

void CCltPiker::ScrollSlotIntoView(int slot)
{
    const int rowTop = shelf.model.RowTop(slot);
    const int position = shelf.model.ScrollPosition();
    const int cellHeight = shelf.model.CellHeight();
    if (rowTop < position)
        shelf.ScrollTo(rowTop);
    else if (rowTop > position - cellHeight + shelf.height)
        shelf.ScrollTo(rowTop + cellHeight - shelf.height);
}
