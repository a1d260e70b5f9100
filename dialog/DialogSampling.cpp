// Screen sampling: the eyedropper is lifted out of its picture and the
// current color follows the screen pixel under the pointer until the button
// is released.
#include "dialog/CltPiker.h"

#include "common/GdiOwners.h"
#include "plugin/ModuleState.h"
#include "resources/ResourceIds.h"

namespace {

constexpr int kPictureSize = 21;

void ShowPicture(HWND dialog, int bitmap)
{
    // Shared: the system owns the bitmap and frees it with the module.
    HANDLE image = LoadImageW(static_cast<HINSTANCE>(ModuleInstance), MAKEINTRESOURCEW(bitmap), IMAGE_BITMAP,
                              kPictureSize, kPictureSize, LR_SHARED);
    SendDlgItemMessageW(dialog, IDC_EYEDROPPER, STM_SETIMAGE, IMAGE_BITMAP, reinterpret_cast<LPARAM>(image));
}

} // namespace

void CCltPiker::SetPickMode(bool on)
{
    if (on) {
        colorBeforePick = color.currentColor;
        picking = true;
        SetCapture(hDlg);
        SetCursor(LoadCursorW(static_cast<HINSTANCE>(ModuleInstance), MAKEINTRESOURCEW(IDCUR_EYEDROPPER)));
        ShowPicture(hDlg, IDB_EYEDROPPER_LIFTED);
        return;
    }
    picking = false;
    ReleaseCaptureUnlessNeeded();
    SetCursor(LoadCursorW(nullptr, IDC_ARROW));
    ShowPicture(hDlg, IDB_EYEDROPPER);
}

CRGBA CCltPiker::SampleScreen(int x, int y) const
{
    POINT point{x, y};
    MapWindowPoints(hDlg, nullptr, &point, 1);
    const WindowDc screen(nullptr);
    // A point nobody can read (outside every monitor) gives CLR_INVALID,
    // all ones, which the setters take as white.
    return CRGBA(GetPixel(screen.get(), point.x, point.y));
}
