// Screen sampling: the eyedropper is lifted out of its picture and the
// current color follows the screen pixel under the pointer until the button
// is released.
#include "dialog/CltPiker.h"

#include <vector>

#include "common/GdiOwners.h"
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
    const int span = picking ? SampleSpan(GetKeyState(VK_CONTROL) < 0, GetKeyState(VK_SHIFT) < 0) : 1;
    if (span == 1)
        return CRGBA(GetPixel(screen.get(), point.x, point.y));
    // The mean of the pixels around the hot spot that can be read.
    std::vector<CRGBA> pixels;
    for (int dy = -span / 2; dy <= span / 2; ++dy)
        for (int dx = -span / 2; dx <= span / 2; ++dx)
            if (const COLORREF pixel = GetPixel(screen.get(), point.x + dx, point.y + dy); pixel != CLR_INVALID)
                pixels.push_back(CRGBA(pixel));
    return MeanColor(pixels);
}

bool CCltPiker::OnPickingKey(const MSG& message)
{
    const auto key = static_cast<int>(message.wParam);
    POINT cursor{};
    GetCursorPos(&cursor);
    if (message.message == WM_KEYDOWN && (key == VK_LEFT || key == VK_RIGHT || key == VK_UP || key == VK_DOWN)) {
        const int step = GetKeyState(VK_SHIFT) < 0 ? 10 : 1;
        cursor.x += key == VK_LEFT ? -step : key == VK_RIGHT ? step : 0;
        cursor.y += key == VK_UP ? -step : key == VK_DOWN ? step : 0;
        SetCursorPos(cursor.x, cursor.y);
    } else if (key != VK_RETURN && key != VK_CONTROL && key != VK_SHIFT) {
        return false;
    }
    ScreenToClient(hDlg, &cursor);
    if (message.message == WM_KEYDOWN && key == VK_RETURN)
        OnLeftButtonUp(0, cursor.x, cursor.y);
    else
        SetColor(SampleScreen(cursor.x, cursor.y));
    return true;
}
