// Screen sampling: the eyedropper is lifted out of its picture and the
// current color follows the screen pixel under the pointer until the button
// is released.
#include "dialog/CltPiker.h"

#include "common/GdiOwners.h"
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
        SendDlgItemMessageW(hDlg, IDC_EYEDROPPER, STM_SETIMAGE, IMAGE_BITMAP, reinterpret_cast<LPARAM>(picture)));
}

void CCltPiker::SetPickMode(bool on)
{
    if (on) {
        colorBeforePick = color.currentColor;
        picking = true;
        SetCapture(hDlg);
        SetCursor(LoadCursorW(static_cast<HINSTANCE>(ModuleInstance), MAKEINTRESOURCEW(IDCUR_EYEDROPPER)));
        ShowEyedropperPicture(eyedropperLifted.get());
        return;
    }
    picking = false;
    ReleaseCaptureUnlessNeeded();
    SetCursor(LoadCursorW(nullptr, IDC_ARROW));
    ShowEyedropperPicture(eyedropperAtRest.get());
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
