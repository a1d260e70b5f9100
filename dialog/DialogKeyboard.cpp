// The keyboard on the picker's windowless controls: Tab and Shift+Tab take
// them in among the real controls, the arrows, Page keys, Home and End step
// their values, Space acts as a click, and the shelf has a focus cell of its
// own. While one of them has the focus, the dialog window holds the
// keyboard focus and draws the focus rectangle itself.
#include "dialog/CltPiker.h"

#include <optional>
#include <utility>

#include "common/DialogItem.h"
#include "dialog/DialogItems.h"
#include "dialog/PhysicalPixels.h"
#include "resources/ResourceIds.h"

namespace {

std::optional<StepKey> StepKeyOf(WPARAM key)
{
    switch (key) {
    case VK_LEFT:
        return StepKey::kLeft;
    case VK_RIGHT:
        return StepKey::kRight;
    case VK_UP:
        return StepKey::kUp;
    case VK_DOWN:
        return StepKey::kDown;
    case VK_PRIOR:
        return StepKey::kPageUp;
    case VK_NEXT:
        return StepKey::kPageDown;
    case VK_HOME:
        return StepKey::kHome;
    case VK_END:
        return StepKey::kEnd;
    default:
        return std::nullopt;
    }
}

// A child window's place in the dialog's window order, which Tab follows;
// a window inside a child counts as that child.
int PlaceOf(HWND dialog, HWND window)
{
    while (window && GetParent(window) != dialog)
        window = GetParent(window);
    int place = 0;
    for (HWND child = GetWindow(dialog, GW_CHILD); child; child = GetWindow(child, GW_HWNDNEXT), ++place)
        if (child == window)
            return place;
    return -1;
}

// Tabbing into a group of radio buttons lands on the one that is checked.
HWND CheckedInGroup(HWND dialog, HWND control)
{
    if (!(SendMessageW(control, WM_GETDLGCODE, 0, 0) & DLGC_RADIOBUTTON))
        return control;
    HWND item = control;
    do {
        if (SendMessageW(item, BM_GETCHECK, 0, 0) == BST_CHECKED)
            return item;
        item = GetNextDlgGroupItem(dialog, item, FALSE);
    } while (item && item != control);
    return control;
}

} // namespace

bool CCltPiker::OnNavigationKey(const MSG& message)
{
    if (message.message != WM_KEYDOWN && message.message != WM_SYSKEYDOWN)
        return false;
    const bool shift = GetKeyState(VK_SHIFT) < 0;
    const bool control = GetKeyState(VK_CONTROL) < 0;
    const bool alt = GetKeyState(VK_MENU) < 0;
    const WPARAM key = message.wParam;
    if (key == VK_TAB && !control && !alt)
        return OnTab(!shift);
    if (keyFocus == kNoElement || control || alt)
        return false;
    const std::optional<StepKey> step = StepKeyOf(key);
    switch (keyFocus) {
    case kElementField: {
        if (!step)
            return false;
        const FieldStep move = FieldStepFor(*step, shift);
        if (move.across && colorField.channelX >= 0)
            SetChannel(colorField.channelX, color.ChannelValue(colorField.channelX) + move.across);
        if (move.up && colorField.channelY >= 0)
            SetChannel(colorField.channelY, color.ChannelValue(colorField.channelY) + move.up);
        return true;
    }
    case kElementCurrent:
    case kElementOriginal:
    case kElementEyedropper:
        if (key == VK_SPACE)
            DoElementAction(keyFocus);
        // The arrows would otherwise move the focus around a group of the
        // real controls.
        return key == VK_SPACE || step;
    case kElementShelf:
        return OnShelfKey(key, shift, step);
    default: {
        const int channel = keyFocus == kElementStrip ? fieldMode : SliderChannel(keyFocus);
        if (!step)
            return false;
        if (channel >= kChannelRed && channel <= kChannelAlpha)
            SetChannel(channel, SteppedChannelValue(color.ChannelValue(channel), ChannelRange(channel), *step));
        return true;
    }
    }
}

bool CCltPiker::OnTab(bool forward)
{
    const ElementSet focusable = FocusableElements();
    HWND fieldPlace = DialogItem(hDlg, IDC_FIELD);
    if (keyFocus != kNoElement) {
        const int next = focusable.Next(keyFocus, forward);
        if (next != kNoElement) {
            FocusElement(next);
            return true;
        }
        // Out of the windowless controls: the real control that follows
        // (or precedes) the field's place.
        FocusElement(kNoElement);
        if (HWND real = GetNextDlgTabItem(hDlg, fieldPlace, !forward))
            SendMessageW(hDlg, WM_NEXTDLGCTL, reinterpret_cast<WPARAM>(CheckedInGroup(hDlg, real)), TRUE);
        return true;
    }
    HWND focus = GetFocus();
    if (!focus || !fieldPlace || focusable.Count() == 0 || (focus != hDlg && !IsChild(hDlg, focus)))
        return false;
    if (focus != hDlg) {
        HWND next = GetNextDlgTabItem(hDlg, focus, !forward);
        if (next && !TabPasses(PlaceOf(hDlg, focus), PlaceOf(hDlg, next), PlaceOf(hDlg, fieldPlace), forward))
            return false;
    }
    // The keyboard is in use: focus rectangles show from now on, as the
    // dialog manager shows them when Tab moves between real controls.
    SendMessageW(hDlg, WM_CHANGEUISTATE, MAKEWPARAM(UIS_CLEAR, UISF_HIDEFOCUS), 0);
    FocusElement(focusable.Next(kNoElement, forward));
    return true;
}

bool CCltPiker::OnShelfKey(WPARAM key, bool shift, std::optional<StepKey> step)
{
    const int count = shelf.model.slots.Count();
    if (count == 0)
        return step || key == VK_SPACE;
    const int cell = FocusedSlot();
    if (step) {
        const int rows = shelf.model.CellHeight() > 0 ? shelf.height / shelf.model.CellHeight() : 1;
        MoveShelfFocus(ShelfCellAfterKey(cell, *step, count, CPaletteSlots::kColumns, rows));
        return true;
    }
    if (key == VK_SPACE || key == VK_DELETE) {
        ClickSlot(cell, key == VK_DELETE);
        return true;
    }
    if (key != VK_APPS && !(key == VK_F10 && shift))
        return false;
    // As the right button: a filled slot is emptied, an empty one gets the
    // blend of its filled neighbours.
    bool changed = false;
    int before = 0, after = 0;
    if (shelf.model.slots.At(cell) != EMPTY_SLOT) {
        changed = shelf.SetSlot(cell, EMPTY_SLOT);
    } else if (shelf.model.FilledNeighbours(cell, before, after)) {
        shelf.MakeGradient(before, after);
        changed = true;
    }
    if (changed) {
        UpdateUndoButtons();
        InvalidateRect(hDlg, nullptr, FALSE);
    }
    return true;
}

void CCltPiker::MoveShelfFocus(int cell)
{
    InvalidateFocusRect();
    shelfFocusCell = cell;
    ScrollSlotIntoView(cell);
    InvalidateFocusRect();
    NotifyWinEvent(EVENT_OBJECT_FOCUS, hDlg, kShelfObjectId, cell + 1);
}

void CCltPiker::FocusElement(int element)
{
    if (element == keyFocus)
        return;
    InvalidateFocusRect();
    keyFocus = element;
    if (element == kNoElement)
        return;
    if (GetFocus() != hDlg) {
        // No push button stays the default one while the dialog holds the
        // focus: Enter is OK's again.
        SendMessageW(hDlg, DM_SETDEFID, IDOK, 0);
        SetFocus(hDlg);
    }
    InvalidateFocusRect();
    NotifyWinEvent(EVENT_OBJECT_FOCUS, hDlg, OBJID_CLIENT, ListedElements().Position(element));
    if (FocusedSlot() >= 0)
        MoveShelfFocus(FocusedSlot());
}

void CCltPiker::OnDialogFocusLost(HWND next)
{
    // A click on a real control, or another window: the windowless control
    // loses the focus with the dialog, and gets it back when the dialog is
    // activated again unless a control of its own took it.
    keyFocusAway = next && (next == hDlg || IsChild(hDlg, next)) ? kNoElement : keyFocus;
    if (keyFocus != kNoElement) {
        InvalidateFocusRect();
        keyFocus = kNoElement;
    }
}

bool CCltPiker::RestoreElementFocus()
{
    const int element = std::exchange(keyFocusAway, kNoElement);
    if (element == kNoElement || !FocusableElements().Has(element))
        return false;
    FocusElement(element);
    return true;
}

RECT CCltPiker::FocusRect() const
{
    if (FocusedSlot() >= 0) {
        // Inside the cell, one pixel in.
        const CellRect cell = shelf.SlotPlace(FocusedSlot());
        return {cell.left + 1, cell.top + 1, cell.left + cell.width - 1, cell.top + cell.height - 1};
    }
    if (keyFocus == kNoElement)
        return {};
    RECT area = ElementRect(keyFocus);
    // Clear of the sliders' marker triangles, which stand out of their ends
    // by up to five pixels.
    InflateRect(&area, SliderChannel(keyFocus) >= 0 ? 6 : 2, 2);
    return area;
}

void CCltPiker::InvalidateFocusRect() const
{
    if (keyFocus == kNoElement || !hDlg)
        return;
    RECT area = FocusRect();
    InflateRect(&area, 1, 1);
    InvalidateRect(hDlg, &area, FALSE);
}

void CCltPiker::DrawElementFocus(HDC dc, const RECT* dirty) const
{
    if (keyFocus == kNoElement || (SendMessageW(hDlg, WM_QUERYUISTATE, 0, 0) & UISF_HIDEFOCUS))
        return;
    // Drawn by inverting: only where this paint has drawn afresh.
    const int saved = SaveDC(dc);
    if (dirty)
        IntersectClipRect(dc, dirty->left, dirty->top, dirty->right, dirty->bottom);
    const RECT area = FocusRect();
    DrawFocusRect(dc, &area);
    RestoreDC(dc, saved);
}

void CCltPiker::StartKeyboardPick()
{
    const RECT eyedropper = ItemRect(hDlg, IDC_EYEDROPPER);
    const POINT center{(eyedropper.left + eyedropper.right) / 2, (eyedropper.top + eyedropper.bottom) / 2};
    const POINT hotSpot = ClientToPhysicalScreen(hDlg, center);
    {
        const PhysicalPixelScope physical;
        SetCursorPos(hotSpot.x, hotSpot.y);
    }
    SetPickMode(true);
    keyboardPick = true;
    SetColor(ShowPick(hotSpot));
}
