// Screen sampling: the eyedropper is lifted out of its picture and the
// current color follows the screen pixel under the pointer until the button
// is released.
#include "dialog/CltPiker.h"

#include "common/DialogItem.h"
#include "common/GdiOwners.h"
#include "dialog/PhysicalPixels.h"
#include "dialog/SamplingArea.h"
#include "module/ModuleState.h"
#include "resources/ResourceIds.h"

namespace {

constexpr int kPictureSize = 21;

HBITMAP LoadPicture(int bitmap)
{
    return static_cast<HBITMAP>(LoadImageW(static_cast<HINSTANCE>(ModuleInstance), MAKEINTRESOURCEW(bitmap),
                                           IMAGE_BITMAP, kPictureSize, kPictureSize, 0));
}

} // namespace

// Both pictures are loaded once per run and owned by the controller: a
// bitmap loaded as shared is loaded afresh each time all the same, and a
// static never deletes a bitmap it was given. The one the dialog template
// made the static load is handed back by the first exchange and deleted.
void CCltPiker::LoadEyedropperPictures()
{
    eyedropperAtRest.reset(LoadPicture(IDB_EYEDROPPER));
    eyedropperLifted.reset(LoadPicture(IDB_EYEDROPPER_LIFTED));
    const GdiObject<HBITMAP> fromTemplate(ShowEyedropperPicture(eyedropperAtRest.get()));
}

HBITMAP CCltPiker::ShowEyedropperPicture(HBITMAP picture)
{
    return reinterpret_cast<HBITMAP>(
        SendMessageW(DialogItem(hDlg, IDC_EYEDROPPER), STM_SETIMAGE, IMAGE_BITMAP, reinterpret_cast<LPARAM>(picture)));
}

void CCltPiker::SetPickMode(bool on)
{
    if (on) {
        colorBeforePick = color.currentColor;
        picking = true;
        {
            const PhysicalPixelScope physical;
            pickScreens = CurrentScreenLayout();
        }
        SetCapture(hDlg);
        SetCursor(LoadCursorW(static_cast<HINSTANCE>(ModuleInstance), MAKEINTRESOURCEW(IDCUR_EYEDROPPER)));
        ShowEyedropperPicture(eyedropperLifted.get());
        return;
    }
    picking = false;
    keyboardPick = false;
    CatchUpColorTexts();
    loupe.Hide();
    ReleaseCaptureUnlessNeeded();
    SetCursor(LoadCursorW(nullptr, IDC_ARROW));
    ShowEyedropperPicture(eyedropperAtRest.get());
}

CRGBA CCltPiker::SampleScreen(POINT hotSpot) const
{
    const PhysicalPixelScope physical;
    const ScreenBox pixel{hotSpot.x, hotSpot.y, 1, 1};
    return SampledColor(loupe.ReadScreen(pixel), pixel, 1, ReadableScreen());
}

CRGBA CCltPiker::ShowPick(POINT hotSpot)
{
    const int span = SampleSpan(GetKeyState(VK_CONTROL) < 0, GetKeyState(VK_SHIFT) < 0);
    const PhysicalPixelScope physical;
    return loupe.Pick(hDlg, hotSpot, span, pickScreens);
}

void CCltPiker::TrackPick(int x, int y) { SetColor(ShowPick(ClientToPhysicalScreen(hDlg, {x, y}))); }

bool CCltPiker::OnPickingKey(const MSG& message)
{
    const auto key = static_cast<int>(message.wParam);
    const bool arrow = key == VK_LEFT || key == VK_RIGHT || key == VK_UP || key == VK_DOWN;
    if (message.message == WM_KEYDOWN && key == VK_RETURN) {
        POINT cursor{};
        GetCursorPos(&cursor);
        ScreenToClient(hDlg, &cursor);
        OnLeftButtonUp(0, cursor.x, cursor.y);
        return true;
    }
    if (!arrow && key != VK_CONTROL && key != VK_SHIFT)
        return false;
    POINT hotSpot{};
    {
        // One pixel of the monitor, not of the dialog's scaled coordinates.
        const PhysicalPixelScope physical;
        GetCursorPos(&hotSpot);
        if (message.message == WM_KEYDOWN && arrow) {
            const int step = GetKeyState(VK_SHIFT) < 0 ? 10 : 1;
            hotSpot.x += key == VK_LEFT ? -step : key == VK_RIGHT ? step : 0;
            hotSpot.y += key == VK_UP ? -step : key == VK_DOWN ? step : 0;
            SetCursorPos(hotSpot.x, hotSpot.y);
            GetCursorPos(&hotSpot);
        }
    }
    SetColor(ShowPick(hotSpot));
    return true;
}
