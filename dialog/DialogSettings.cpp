// The picker's persisted settings: read while the dialog starts, written
// when it closes, and the window placement that comes with them.
#include <algorithm>
#include <vector>

#include "dialog/CltPiker.h"
#include "common/DialogItem.h"
#include "dialog/Placement.h"
#include "dialog/PickerSettings.h"
#include "resources/ResourceIds.h"

namespace {

PlacementSize WindowSize(HWND window)
{
    RECT rect{};
    GetWindowRect(window, &rect);
    return {rect.right - rect.left, rect.bottom - rect.top};
}

PlacementSize DesktopSize() { return WindowSize(GetDesktopWindow()); }

BOOL CALLBACK AddWorkArea(HMONITOR monitor, HDC, LPRECT, LPARAM areas)
{
    MONITORINFO info{};
    info.cbSize = sizeof info;
    if (GetMonitorInfoW(monitor, &info))
        reinterpret_cast<std::vector<DesktopRect>*>(areas)->push_back(
            {info.rcWork.left, info.rcWork.top, info.rcWork.right, info.rcWork.bottom});
    return TRUE;
}

std::vector<DesktopRect> WorkAreas()
{
    std::vector<DesktopRect> areas;
    EnumDisplayMonitors(nullptr, nullptr, AddWorkArea, reinterpret_cast<LPARAM>(&areas));
    return areas;
}

} // namespace

void CCltPiker::LoadSettings()
{
    RECT window{};
    GetWindowRect(hDlg, &window);
    RECT shelfRect{};
    GetWindowRect(DialogItem(hDlg, IDC_SHELF), &shelfRect);
    compactCut = window.right - shelfRect.left + 8;
    if (bridge) {
        bridge->SetWindow(hDlg);
        bridge->Init();
        minTrackSize = bridge->MinTrackSize(nullptr);
    }
    compact = ReadPickerInt("SizeMode", 1) != 0;
    // The default palette, from the palette folder or the module; updating
    // is set, so this load is no undo step.
    SelectPalette(-1);
    helpToolTip = ReadPickerInt("helpToolTip", 1) != 0;
    showContrast = ReadPickerInt("showContrast", 0) != 0;
    fieldMode = std::clamp(ReadPickerInt("mode", kChannelHue), -1, 6);
    for (int i = kRedSlider; i <= kValueSlider; ++i) {
        sliders[i].kind = kHorizontalSlider;
        sliders[i].channelX = i;
        sliders[i].markerFlags = CGr::kColumnMarker | CGr::kTriangleMarker;
    }
    sliders[kAlphaSlider].kind = kHorizontalSlider;
    sliders[kAlphaSlider].channelX = kChannelAlpha;
    sliders[kAlphaSlider].markerFlags = CGr::kColumnMarker | CGr::kTriangleMarker;
    sliders[kStripSlider].kind = kVerticalStrip;
    sliders[kStripSlider].channelY = fieldMode;
    sliders[kStripSlider].markerFlags = CGr::kRowMarker;
    colorField.markerFlags = CGr::kRowMarker | CGr::kColumnMarker;
    for (CGr& slider : sliders)
        slider.owner = this;
    colorField.owner = this;
    const int mode = ReadPickerInt("BGmode", kBackgroundWhite);
    if (mode == kBackgroundCurrent)
        color.currentColor = CRGBA(static_cast<std::uint32_t>(ReadPickerInt("BGcolor", GetSysColor(COLOR_BTNFACE))));
    SetBackgroundMode(mode);
}

void CCltPiker::SaveSettings()
{
    WritePickerInt("mode", fieldMode);
    if (backgroundMode != ReadPickerInt("BGmode", kBackgroundWhite))
        WritePickerInt("BGmode", backgroundMode);
    if (backgroundMode == kBackgroundCurrent)
        WritePickerInt("BGcolor", static_cast<int>(backgroundColor));
    WritePickerInt("SizeMode", compact ? 1 : 0);
    RECT window{};
    GetWindowRect(hDlg, &window);
    const StoredPlacement stored =
        PlacementToSettings({window.left, window.top, window.right - window.left, window.bottom - window.top},
                            DesktopSize(), compact, compactCut);
    WritePickerInt("DlgWidth", stored.width);
    WritePickerInt("DlgHeight", stored.height);
    WritePickerFloat("DlgX", stored.x);
    WritePickerFloat("DlgY", stored.y);
    WritePickerInt("helpToolTip", helpToolTip ? 1 : 0);
    WritePickerInt("showContrast", showContrast ? 1 : 0);
}

void CCltPiker::ApplyMinTrackSize()
{
    // The compact window is narrower by the cut, down to its own minimum.
    const SIZE track = compact ? SIZE{minTrackSize.cx - compactCut, minTrackSize.cy} : minTrackSize;
    if (bridge)
        bridge->MinTrackSize(&track);
}

void CCltPiker::PlaceWindow()
{
    const PlacementSize minimum{minTrackSize.cx, minTrackSize.cy};
    // No window is larger than all screens together.
    const PlacementSize largest{std::max(GetSystemMetrics(SM_CXVIRTUALSCREEN), minimum.width),
                                std::max(GetSystemMetrics(SM_CYVIRTUALSCREEN), minimum.height)};
    const WindowPlacement placement =
        KeepOnAWorkArea(PlacementFromSettings(ReadPickerFloat("DlgX", 0.5f), ReadPickerFloat("DlgY", 0.5f),
                                              {ReadPickerInt("DlgWidth", 0), ReadPickerInt("DlgHeight", 0)},
                                              DesktopSize(), WindowSize(hDlg), minimum, largest, compact, compactCut),
                        WorkAreas());
    ApplyMinTrackSize();
    SetWindowPos(hDlg, HWND_TOP, placement.left, placement.top, placement.width, placement.height, 0);
}
