// The picker remembers and resizes: settings read back between two runs
// through the entry point, hand-written settings, the layout that follows
// the frame, and the tooltips found at their controls' places.
#include <gtest/gtest.h>

#include <windows.h>
#include <commctrl.h>

#include <functional>
#include <map>
#include <string>

#include "color/LayoutRules.h"
#include "dialog/PickerSettings.h"
#include "plexa/Win32Text.h"
#include "resources/ResourceIds.h"
#include "tests/windows/TestHost.h"

namespace {

constexpr std::uint32_t kOrange = 0x000080FF;

class DialogSettings : public DialogRunner {
protected:
    int Read(const char* key, int missing = -77)
    {
        return Core()->ReadSettingInt(&kPickerSettingsSection, key, missing);
    }
    float ReadFloat(const char* key) { return Core()->ReadSettingFloat(&kPickerSettingsSection, key, -77.0f); }
    void Write(const char* key, int value) { Core()->WriteSettingInt(&kPickerSettingsSection, key, value); }
    // A value another program wrote, of any type, into the picker's section.
    void WriteRaw(const wchar_t* name, DWORD type, const void* data, DWORD size)
    {
        const std::u16string path = picker.host.SettingsKey() + u"\\{F4A55FD1-ED46-498A-9906-ED1E254B238F}";
        HKEY key = nullptr;
        RegCreateKeyExW(HKEY_CURRENT_USER, AsWide(path.c_str()), 0, nullptr, 0, KEY_SET_VALUE, nullptr, &key, nullptr);
        RegSetValueExW(key, name, 0, type, static_cast<const BYTE*>(data), size);
        RegCloseKey(key);
    }
    void WriteText(const wchar_t* name, const wchar_t* text)
    {
        WriteRaw(name, REG_SZ, text, static_cast<DWORD>((wcslen(text) + 1) * sizeof(wchar_t)));
    }
    void Run(std::uint32_t options, const std::function<void(HWND)>& script)
    {
        DialogRunner::Run(kOrange, options, script);
    }
};

RECT WindowRectOf(HWND window)
{
    RECT rect{};
    GetWindowRect(window, &rect);
    return rect;
}

LayoutRect ClientRectOf(HWND dialog, int id)
{
    const RECT rect = ChildRect(dialog, id);
    return {rect.left, rect.top, rect.right, rect.bottom};
}

// The text of the tool at a point of the dialog, as a hovering pointer finds it.
std::u16string TipAt(HWND tooltip, HWND dialog, POINT point)
{
    TTHITTESTINFOW hit{};
    hit.hwnd = dialog;
    hit.pt = point;
    hit.ti.cbSize = sizeof hit.ti;
    if (!SendMessageW(tooltip, TTM_HITTESTW, 0, reinterpret_cast<LPARAM>(&hit)))
        return u"(no tool)";
    wchar_t text[512] = {};
    hit.ti.lpszText = text;
    SendMessageW(tooltip, TTM_GETTEXTW, 512, reinterpret_cast<LPARAM>(&hit.ti));
    return AsUtf16(text);
}

POINT Center(const LayoutRect& rect) { return {(rect.left + rect.right) / 2, (rect.top + rect.bottom) / 2}; }

// The system's pointer moved to a point of the dialog, and the modal loop
// run (each message offered to the dialog manager, which offers it to the
// dialog's message filter first) until the tooltip shows or 4 seconds pass.
// Answers the tool it shows, or 0.
UINT_PTR ToolShownAfterResting(HWND dialog, HWND tooltip, POINT client)
{
    POINT screen = client;
    ClientToScreen(dialog, &screen);
    // Two pixels before the point first: a pointer already there would not
    // move at all.
    INPUT moves[2] = {};
    for (int i = 0; i < 2; ++i) {
        moves[i].type = INPUT_MOUSE;
        moves[i].mi.dx = MulDiv(screen.x - 2 + 2 * i, 65536, GetSystemMetrics(SM_CXSCREEN)) + 1;
        moves[i].mi.dy = MulDiv(screen.y, 65536, GetSystemMetrics(SM_CYSCREEN)) + 1;
        moves[i].mi.dwFlags = MOUSEEVENTF_MOVE | MOUSEEVENTF_ABSOLUTE;
    }
    SendInput(2, moves, sizeof moves[0]);
    const ULONGLONG end = GetTickCount64() + 4000;
    while (GetTickCount64() < end && !IsWindowVisible(tooltip)) {
        MSG message;
        if (!PeekMessageW(&message, nullptr, 0, 0, PM_REMOVE)) {
            MsgWaitForMultipleObjects(0, nullptr, FALSE, 20, QS_ALLINPUT);
            continue;
        }
        if (!IsDialogMessageW(dialog, &message)) {
            TranslateMessage(&message);
            DispatchMessageW(&message);
        }
    }
    TOOLINFOW tool{};
    tool.cbSize = sizeof tool;
    return IsWindowVisible(tooltip) && SendMessageW(tooltip, TTM_GETCURRENTTOOLW, 0, reinterpret_cast<LPARAM>(&tool))
               ? tool.uId
               : 0;
}

} // namespace

TEST_F(DialogSettings, ASecondRunOpensWhereAndHowTheFirstWasLeft)
{
    RECT firstPlace{};
    Run(0, [&](HWND dialog) {
        SendMessageW(GetDlgItem(dialog, IDC_MODE_RED), BM_CLICK, 0, 0);
        SendMessageW(dialog, WM_SYSCOMMAND, IDM_BACKGROUND_CURRENT, 0);
        SendMessageW(dialog, WM_SYSCOMMAND, IDM_TOOLTIP_HELP, 0);
        SendMessageW(dialog, WM_COMMAND, IDC_SIZE_MODE, 0);
        SetWindowPos(dialog, nullptr, 50, 60, 700, 400, SWP_NOZORDER);
        firstPlace = WindowRectOf(dialog);
    });
    EXPECT_EQ(Read("mode"), 0);
    EXPECT_EQ(Read("BGmode"), 2);
    EXPECT_EQ(Read("BGcolor"), static_cast<int>(kOrange));
    EXPECT_EQ(Read("SizeMode"), 0);
    EXPECT_EQ(Read("helpToolTip"), 0);
    EXPECT_EQ(Read("DlgWidth"), 700);
    EXPECT_EQ(Read("DlgHeight"), 400);
    RECT desktop = WindowRectOf(GetDesktopWindow());
    EXPECT_FLOAT_EQ(ReadFloat("DlgX"), (50 + 350) / static_cast<float>(desktop.right - desktop.left));

    Run(0, [&](HWND dialog) {
        EXPECT_EQ(IsDlgButtonChecked(dialog, IDC_MODE_RED), BST_CHECKED);
        const RECT place = WindowRectOf(dialog);
        EXPECT_EQ(place.left, firstPlace.left);
        EXPECT_EQ(place.top, firstPlace.top);
        EXPECT_EQ(place.right - place.left, 700);
        EXPECT_EQ(WindowText(GetDlgItem(dialog, IDC_SIZE_MODE)), u"<");
    });
}

TEST_F(DialogSettings, UnchangedBackgroundsAreNotWrittenAndCompactStoresTheFullWidth)
{
    int compactWidth = 0;
    int fullWidth = 0;
    Run(0, [&](HWND dialog) {
        compactWidth = WindowRectOf(dialog).right - WindowRectOf(dialog).left;
        SendMessageW(dialog, WM_COMMAND, IDC_SIZE_MODE, 0);
        fullWidth = WindowRectOf(dialog).right - WindowRectOf(dialog).left;
        SendMessageW(dialog, WM_COMMAND, IDC_SIZE_MODE, 0);
    });
    EXPECT_LT(compactWidth, fullWidth);
    EXPECT_EQ(Read("BGmode"), -77);
    EXPECT_EQ(Read("BGcolor"), -77);
    EXPECT_EQ(Read("SizeMode"), 1);
    EXPECT_EQ(Read("DlgWidth"), fullWidth);
}

TEST_F(DialogSettings, HandWrittenSettingsReadAsDefaultsOrWithinTheirLimits)
{
    WriteText(L"mode", L"2");
    WriteText(L"DlgX", L"nan");
    WriteText(L"DlgY", L"1e999");
    Write("DlgWidth", 100);
    Write("DlgHeight", 100000);
    Write("BGmode", 7);
    const DWORD wrongSize = 9;
    WriteRaw(L"SizeMode", REG_BINARY, &wrongSize, 1);
    RECT place{};
    RECT desktop = WindowRectOf(GetDesktopWindow());
    Run(0, [&](HWND dialog) {
        place = WindowRectOf(dialog);
        EXPECT_EQ(IsDlgButtonChecked(dialog, IDC_MODE_HUE), BST_CHECKED) << "a text is no mode";
        EXPECT_EQ(WindowText(GetDlgItem(dialog, IDC_SIZE_MODE)), u">") << "compact, the default";
        HDC dc = GetDC(dialog);
        EXPECT_EQ(GetPixel(dc, 0, 0), RGB(255, 255, 255)) << "mode 7 acts as white";
        ReleaseDC(dialog, dc);
    });
    EXPECT_LE(place.bottom - place.top, GetSystemMetrics(SM_CYVIRTUALSCREEN));
    EXPECT_GT(place.bottom - place.top, 300);
    // Centered on the desktop, at no less than the full layout's width.
    EXPECT_NEAR(ReadFloat("DlgX"), 0.5f, 1.0f / (desktop.right - desktop.left));
    EXPECT_NEAR(ReadFloat("DlgY"), 0.5f, 1.0f / (desktop.bottom - desktop.top));
    EXPECT_GT(Read("DlgWidth"), 600);

    Write("mode", 9);
    Run(0, [&](HWND dialog) {
        for (int id = IDC_MODE_RED; id <= IDC_MODE_VALUE; ++id)
            EXPECT_EQ(IsDlgButtonChecked(dialog, id), BST_UNCHECKED);
    });
    EXPECT_EQ(Read("mode"), 6);
}

TEST_F(DialogSettings, ACompactWindowStoredLeftOfTheScreenOpensWhereItCanBeSeen)
{
    // The full-width window centered on the left edge: the compact one,
    // narrowed from the right, would end where the screen begins.
    WriteText(L"DlgX", L"1e-45");
    WriteText(L"DlgY", L"0x1p3");
    RECT place{};
    Run(0, [&](HWND dialog) { place = WindowRectOf(dialog); });
    MONITORINFO monitor{};
    monitor.cbSize = sizeof monitor;
    GetMonitorInfoW(MonitorFromRect(&place, MONITOR_DEFAULTTOPRIMARY), &monitor);
    RECT shown{};
    EXPECT_TRUE(IntersectRect(&shown, &place, &monitor.rcWork))
        << "window at " << place.left << "," << place.top << " to " << place.right << "," << place.bottom;
    EXPECT_EQ(place.left, monitor.rcWork.left) << "moved onto the screen no further than it must";

    // Partly off the screen is where it was put.
    WriteText(L"DlgX", L"0.1");
    Write("SizeMode", 0);
    Run(0, [&](HWND dialog) { place = WindowRectOf(dialog); });
    EXPECT_LT(place.left, 0);
}

TEST_F(DialogSettings, ResizingMovesEveryControlByItsRuleAndStopsAtTheMinimum)
{
    Write("SizeMode", 0);
    Run(kPickerAlpha, [&](HWND dialog) {
        std::map<int, LayoutRect> recorded;
        for (const LayoutRule& rule : PickerLayoutRules())
            recorded[rule.id] = ClientRectOf(dialog, rule.id);
        // Every child window of the dialog has a rule: one without would
        // stay where it is while the others move.
        for (HWND child = GetWindow(dialog, GW_CHILD); child; child = GetWindow(child, GW_HWNDNEXT))
            EXPECT_EQ(recorded.count(GetDlgCtrlID(child)), 1u) << "control " << GetDlgCtrlID(child);
        const RECT before = WindowRectOf(dialog);
        const int width = before.right - before.left;
        const int height = before.bottom - before.top;
        MINMAXINFO limits{};
        SendMessageW(dialog, WM_GETMINMAXINFO, 0, reinterpret_cast<LPARAM>(&limits));
        EXPECT_EQ(limits.ptMinTrackSize.x, width);
        EXPECT_EQ(limits.ptMinTrackSize.y, height);

        SetWindowPos(dialog, nullptr, 0, 0, width + 40, height + 30, SWP_NOMOVE | SWP_NOZORDER);
        for (const LayoutRule& rule : PickerLayoutRules()) {
            const LayoutRect expected = PositionControl(recorded[rule.id], recorded[rule.id], rule.flags, 40, 30);
            EXPECT_EQ(ClientRectOf(dialog, rule.id), expected) << "control " << rule.id;
        }
        const HWND tooltip = TooltipOf(dialog);
        ASSERT_NE(tooltip, nullptr);
        EXPECT_EQ(TipAt(tooltip, dialog, Center(ClientRectOf(dialog, IDC_RED_SLIDER))), u"Red");
        EXPECT_EQ(TipAt(tooltip, dialog, Center(ClientRectOf(dialog, IDC_ALPHA_SLIDER))), u"Alpha");
        // The tips' areas follow their controls, into the part they grew by.
        const LayoutRect red = ClientRectOf(dialog, IDC_RED_SLIDER);
        EXPECT_EQ(TipAt(tooltip, dialog, {red.right - 2, (red.top + red.bottom) / 2}), u"Red");

        SetWindowPos(dialog, nullptr, 0, 0, width, height, SWP_NOMOVE | SWP_NOZORDER);
        for (const LayoutRule& rule : PickerLayoutRules())
            EXPECT_EQ(ClientRectOf(dialog, rule.id), recorded[rule.id]) << "control " << rule.id << " back";
    });
}

TEST_F(DialogSettings, SwatchTipsShowTheColorAndTheHelpLineOnRequest)
{
    Run(0, [&](HWND dialog) {
        const HWND tooltip = TooltipOf(dialog);
        ASSERT_NE(tooltip, nullptr);
        const POINT current = Center(ClientRectOf(dialog, IDC_CURRENT_SWATCH));
        EXPECT_EQ(TipAt(tooltip, dialog, current),
                  u"RGB(255,128,0)\r\nHex=FF8000\r\n\r\nClick to find this color in palette");
        SetWindowTextW(GetDlgItem(dialog, IDC_RED_FIELD), L"16");
        EXPECT_EQ(TipAt(tooltip, dialog, current),
                  u"RGB(16,128,0)\r\nHex=108000\r\n\r\nClick to find this color in palette");
        SendMessageW(dialog, WM_SYSCOMMAND, IDM_TOOLTIP_HELP, 0);
        const HWND fresh = TooltipOf(dialog);
        EXPECT_EQ(TipAt(fresh, dialog, Center(ClientRectOf(dialog, IDC_ORIGINAL_SWATCH))),
                  u"RGB(255,128,0)\r\nHex=FF8000");
        EXPECT_EQ(TipAt(fresh, dialog, Center(ClientRectOf(dialog, IDC_HEX_FIELD))), u"(no tool)")
            << "window tools are found through their windows, not the dialog";
    });
}

TEST_F(DialogSettings, ThePointerRestingOnAnAreaOrAControlShowsItsTip)
{
    Run(0, [&](HWND dialog) {
        SetForegroundWindow(dialog);
        const HWND tooltip = TooltipOf(dialog);
        ASSERT_NE(tooltip, nullptr);
        EXPECT_EQ(ToolShownAfterResting(dialog, tooltip, Center(ClientRectOf(dialog, IDC_CURRENT_SWATCH))),
                  static_cast<UINT_PTR>(IDC_CURRENT_SWATCH));
        SendMessageW(tooltip, TTM_POP, 0, 0);
        const HWND hexField = GetDlgItem(dialog, IDC_HEX_FIELD);
        EXPECT_EQ(ToolShownAfterResting(dialog, tooltip, Center(ClientRectOf(dialog, IDC_HEX_FIELD))),
                  reinterpret_cast<UINT_PTR>(hexField));
        SendMessageW(tooltip, TTM_POP, 0, 0);
    });
}
