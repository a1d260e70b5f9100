// The picker dialog as a user drives it: opened through the entry point,
// given real messages (typing, clicks, drags, commands) while it waits for
// input, and read back through its fields, the requester's color messages
// and the pixels it painted.
#include <gtest/gtest.h>

#include <cstring>
#include <functional>
#include <string>

#include "dialog/PickerSettings.h"
#include "resources/ResourceIds.h"
#include "tests/windows/ObjectCensus.h"
#include "tests/windows/TestHost.h"

namespace {

constexpr std::uint32_t kOrange = 0x000080FF;

class PickerDialog : public DialogRunner {
protected:
    void Setting(const char* key, int value) { Core()->WriteSettingInt(&kPickerSettingsSection, key, value); }
};

} // namespace

TEST_F(PickerDialog, StartsWithTheRequestsColorInEveryField)
{
    Run(0x7F0080FF, kPickerAlpha, [&](HWND dialog) {
        EXPECT_EQ(FieldText(dialog, IDC_HEX_FIELD), u"ff8000");
        EXPECT_EQ(FieldText(dialog, IDC_DECIMAL_FIELD), u"255,128,0");
        EXPECT_EQ(FieldText(dialog, IDC_RED_FIELD), u"255");
        EXPECT_EQ(FieldText(dialog, IDC_HUE_FIELD), u"30");
        EXPECT_EQ(FieldText(dialog, IDC_SATURATION_FIELD), u"100");
        EXPECT_EQ(FieldText(dialog, IDC_ALPHA_FIELD), u"127");
        EXPECT_TRUE(IsWindowVisible(GetDlgItem(dialog, IDC_ALPHA_FIELD)));
        EXPECT_EQ(IsDlgButtonChecked(dialog, IDC_MODE_HUE), BST_CHECKED);
    });
    // Start-up itself tells the requester nothing.
    EXPECT_TRUE(requester.colorMessages.empty());
}

TEST_F(PickerDialog, EachTypedChannelValueIsOneColorMessageAndRefillsTheFields)
{
    Run(kOrange, 0, [&](HWND dialog) {
        Type(dialog, IDC_GREEN_FIELD, L"200");
        EXPECT_EQ(requester.colorMessages, std::vector<std::uint32_t>{0x0000C8FF});
        EXPECT_EQ(FieldText(dialog, IDC_HEX_FIELD), u"ffc800");
        EXPECT_EQ(FieldText(dialog, IDC_HUE_FIELD), u"47");
        Type(dialog, IDC_HUE_FIELD, L"120");
        EXPECT_EQ(LastMessage(), 0x0000FF00u);
        EXPECT_EQ(FieldText(dialog, IDC_RED_FIELD), u"0");
        EXPECT_EQ(requester.colorMessages.size(), 2u);
        EXPECT_FALSE(IsWindowVisible(GetDlgItem(dialog, IDC_ALPHA_FIELD)));
    });
}

TEST_F(PickerDialog, TypedValuesAreLimitedToTheirChannels)
{
    Run(kOrange, 0, [&](HWND dialog) {
        Type(dialog, IDC_BLUE_FIELD, L"300");
        EXPECT_EQ(LastMessage(), 0x00FF80FFu);
        Type(dialog, IDC_BLUE_FIELD, L"-5");
        EXPECT_EQ(LastMessage(), kOrange);
        Type(dialog, IDC_GREEN_FIELD, L"letters");
        EXPECT_EQ(LastMessage(), 0x000000FFu);
        Type(dialog, IDC_GREEN_FIELD, L"99999999999");
        EXPECT_EQ(LastMessage(), 0x0000FFFFu);
        Type(dialog, IDC_GREEN_FIELD, std::wstring(10000, L'4').c_str());
        EXPECT_EQ(LastMessage(), 0x0000FFFFu);
        Type(dialog, IDC_SATURATION_FIELD, L"50");
        Type(dialog, IDC_SATURATION_FIELD, L"150");
        EXPECT_EQ(FieldText(dialog, IDC_SATURATION_FIELD), u"100");
    });
}

TEST_F(PickerDialog, EnterInATextFieldAppliesItAndEnterElsewhereCloses)
{
    const int result = Run(kOrange, 0, [&](HWND dialog) {
        SetFocus(GetDlgItem(dialog, IDC_HEX_FIELD));
        Type(dialog, IDC_HEX_FIELD, L"12");
        SendMessageW(dialog, WM_COMMAND, IDOK, 0);
        EXPECT_TRUE(IsWindow(dialog));
        EXPECT_EQ(LastMessage(), 0x00000012u);
        SetFocus(GetDlgItem(dialog, IDC_HEX_FIELD));
        Type(dialog, IDC_HEX_FIELD, L"#00FF80");
        SendMessageW(dialog, WM_COMMAND, IDOK, 0);
        EXPECT_EQ(LastMessage(), 0x0080FF00u);
        SetFocus(GetDlgItem(dialog, IDC_HEX_FIELD));
        Type(dialog, IDC_HEX_FIELD, L"12 34 56");
        SendMessageW(dialog, WM_COMMAND, IDOK, 0);
        EXPECT_EQ(LastMessage(), 0x00563412u) << "white space before each pair is skipped";
        SetFocus(GetDlgItem(dialog, IDC_DECIMAL_FIELD));
        Type(dialog, IDC_DECIMAL_FIELD, L"1,2,3");
        // The hexadecimal field holds the present color, so the decimal one applies.
        SendMessageW(dialog, WM_COMMAND, IDOK, 0);
        EXPECT_EQ(LastMessage(), 0x00030201u);
        SetFocus(GetDlgItem(dialog, IDC_MODE_RED));
        SendMessageW(dialog, WM_COMMAND, IDOK, 0);
    });
    EXPECT_EQ(result, 1);
    EXPECT_EQ(chosen, 0x00030201u);
}

TEST_F(PickerDialog, AlphaIsEditedOnlyWhenRequested)
{
    Run(0x40000000 | kOrange, kPickerAlpha, [&](HWND dialog) {
        Type(dialog, IDC_ALPHA_FIELD, L"7");
        EXPECT_EQ(LastMessage(), 0x070080FFu);
        Type(dialog, IDC_HUE_FIELD, L"120");
        EXPECT_EQ(LastMessage(), 0x0700FF00u);
        // A click on the original swatch brings back its alpha too.
        const RECT original = ChildRect(dialog, IDC_ORIGINAL_SWATCH);
        Mouse(dialog, WM_LBUTTONDOWN, {original.left + 3, original.top + 3}, MK_LBUTTON);
        Mouse(dialog, WM_LBUTTONUP, {original.left + 3, original.top + 3});
        EXPECT_EQ(LastMessage(), 0x400080FFu);
    });
    Run(0x40000000 | kOrange, 0, [&](HWND dialog) { Type(dialog, IDC_HUE_FIELD, L"120"); });
    EXPECT_EQ(LastMessage(), 0x0000FF00u);
}

TEST_F(PickerDialog, TheCloseOnlyVariantHasNoOkButton)
{
    Run(kOrange, kPickerCloseOnly | 0x0F000001, [&](HWND dialog) {
        EXPECT_FALSE(IsWindowVisible(GetDlgItem(dialog, IDOK)));
        EXPECT_EQ(FieldText(dialog, IDCANCEL), u"Close");
    });
}

TEST_F(PickerDialog, SlidersFollowDragsBeyondTheirEndsAndEscapeEndsADrag)
{
    Setting("SizeMode", 0);
    const int result = Run(kOrange, 0, [&](HWND dialog) {
        const RECT red = ChildRect(dialog, IDC_RED_SLIDER);
        const int y = (red.top + red.bottom) / 2;
        Mouse(dialog, WM_LBUTTONDOWN, {red.left + 2, y}, MK_LBUTTON);
        EXPECT_EQ(GetCapture(), dialog);
        Mouse(dialog, WM_MOUSEMOVE, {red.right + 40, y + 30}, MK_LBUTTON);
        EXPECT_EQ(LastMessage() & 0xFF, 255u);
        Mouse(dialog, WM_MOUSEMOVE, {red.left - 40, y}, MK_LBUTTON);
        EXPECT_EQ(LastMessage() & 0xFF, 0u);
        SendMessageW(dialog, WM_COMMAND, IDCANCEL, 0);
        EXPECT_TRUE(IsWindow(dialog)) << "Escape during a drag ends the drag only";
        EXPECT_NE(GetCapture(), dialog);
        Mouse(dialog, WM_MOUSEMOVE, {red.right, y});
        EXPECT_EQ(FieldText(dialog, IDC_RED_FIELD), u"0");
        SendMessageW(dialog, WM_COMMAND, IDCANCEL, 0);
    });
    EXPECT_EQ(result, 0);
}

TEST_F(PickerDialog, DuringADragTheRequesterHearsEveryMoveAndTheFieldsCatchUp)
{
    Setting("SizeMode", 0);
    Run(kOrange, 0, [&](HWND dialog) {
        const RECT red = ChildRect(dialog, IDC_RED_SLIDER);
        const int y = (red.top + red.bottom) / 2;
        Mouse(dialog, WM_LBUTTONDOWN, {red.left + 2, y}, MK_LBUTTON);
        const std::size_t before = requester.colorMessages.size();
        for (const int x : {red.left + 20, red.left + 40, red.right + 10})
            Mouse(dialog, WM_MOUSEMOVE, {x, y}, MK_LBUTTON);
        ASSERT_EQ(requester.colorMessages.size(), before + 3) << "every move is told at once";
        EXPECT_LT(requester.colorMessages[before] & 0xFF, requester.colorMessages[before + 1] & 0xFF);
        EXPECT_EQ(requester.colorMessages.back(), 0x000080FFu);
        EXPECT_NE(FieldText(dialog, IDC_RED_FIELD), u"255") << "the fields wait";
        // The pointer rests where it was moved last: a moment later every
        // field shows the last move's color.
        POINT last{red.right + 10, y};
        ClientToScreen(dialog, &last);
        SetCursorPos(last.x, last.y);
        const DWORD start = GetTickCount();
        MSG message;
        while (GetTickCount() - start < 200)
            if (PeekMessageW(&message, nullptr, 0, 0, PM_REMOVE))
                DispatchMessageW(&message);
        EXPECT_EQ(FieldText(dialog, IDC_RED_FIELD), u"255");
        EXPECT_EQ(FieldText(dialog, IDC_HEX_FIELD), u"ff8000");
        // A move just before the button is let go shows at the release.
        Mouse(dialog, WM_MOUSEMOVE, {red.left - 10, y}, MK_LBUTTON);
        Mouse(dialog, WM_LBUTTONUP, {red.left - 10, y});
        EXPECT_EQ(FieldText(dialog, IDC_RED_FIELD), u"0");
        EXPECT_EQ(FieldText(dialog, IDC_DECIMAL_FIELD), u"0,128,0");
    });
}

TEST_F(PickerDialog, TheFieldsEdgesAreTheEndsOfItsChannels)
{
    Setting("mode", 0);
    Run(kOrange, 0, [&](HWND dialog) {
        const RECT field = ChildRect(dialog, IDC_FIELD);
        const int x = (field.left + field.right) / 2;
        const int y = (field.top + field.bottom) / 2;
        Mouse(dialog, WM_LBUTTONDOWN, {x, y}, MK_LBUTTON);
        // The red mode: blue across, green up, red kept.
        Mouse(dialog, WM_MOUSEMOVE, {field.left, field.bottom}, MK_LBUTTON);
        EXPECT_EQ(LastMessage(), 0x000000FFu);
        Mouse(dialog, WM_MOUSEMOVE, {field.right, field.top}, MK_LBUTTON);
        EXPECT_EQ(LastMessage(), 0x00FFFFFFu);
        Mouse(dialog, WM_LBUTTONUP, {field.right, field.top});
    });
}

TEST_F(PickerDialog, ADoubleClickOnTheFieldChoosesAndCloses)
{
    const int result = Run(kOrange, 0, [&](HWND dialog) {
        const RECT field = ChildRect(dialog, IDC_FIELD);
        Mouse(dialog, WM_LBUTTONDBLCLK, {field.left, field.top}, MK_LBUTTON);
    });
    EXPECT_EQ(result, 1);
    // The hue mode: saturation 0 at the left, value 100 at the top.
    EXPECT_EQ(chosen, 0x00FFFFFFu);
}

TEST_F(PickerDialog, FieldModesRedrawTheField)
{
    Run(0x00140A80, 0, [&](HWND dialog) {
        SendMessageW(GetDlgItem(dialog, IDC_MODE_RED), BM_CLICK, 0, 0);
        const RECT field = ChildRect(dialog, IDC_FIELD);
        // Red kept at 128, green full on the top row, no blue at the left.
        EXPECT_EQ(PixelAt(dialog, {field.left, field.top}), RGB(128, 255, 0));
        SendMessageW(GetDlgItem(dialog, IDC_MODE_RED), BM_CLICK, 0, 0);
        EXPECT_EQ(requester.colorMessages.size(), 1u) << "the same mode again changes nothing";
    });
}

TEST_F(PickerDialog, SliderMarkersAreTrianglesOnTheValuesColumn)
{
    Setting("SizeMode", 0);
    Run(0x00000000, 0, [&](HWND dialog) {
        Type(dialog, IDC_RED_FIELD, L"255");
        const RECT red = ChildRect(dialog, IDC_RED_SLIDER);
        const int column = red.right - 1;
        EXPECT_EQ(PixelAt(dialog, {column, red.top - 1}), RGB(0, 0, 0));
        EXPECT_EQ(PixelAt(dialog, {column - 4, red.top - 1}), RGB(0, 0, 0));
        EXPECT_EQ(PixelAt(dialog, {column, red.bottom}), RGB(255, 255, 255));
        EXPECT_EQ(PixelAt(dialog, {column - 5, red.top - 1}), RGB(255, 255, 255)) << "the white background";
    });
}

TEST_F(PickerDialog, BackgroundModesComeFromTheSystemMenu)
{
    Run(kOrange, 0, [&](HWND dialog) {
        EXPECT_EQ(PixelAt(dialog, {0, 0}), RGB(255, 255, 255));
        SendMessageW(dialog, WM_SYSCOMMAND, IDM_BACKGROUND_CURRENT, 0);
        EXPECT_EQ(PixelAt(dialog, {0, 0}), RGB(255, 128, 0));
        SendMessageW(dialog, WM_SYSCOMMAND, IDM_BACKGROUND_SYSTEM, 0);
        EXPECT_EQ(PixelAt(dialog, {0, 0}), GetSysColor(COLOR_3DFACE));
    });
}

TEST_F(PickerDialog, TheSizeModeButtonCutsAndRestoresTheRightPart)
{
    Run(kOrange, 0, [&](HWND dialog) {
        RECT compact{};
        GetWindowRect(dialog, &compact);
        RECT shelf{};
        GetWindowRect(GetDlgItem(dialog, IDC_SHELF), &shelf);
        EXPECT_EQ(compact.right, shelf.left - 8);
        EXPECT_EQ(FieldText(dialog, IDC_SIZE_MODE), u">");
        SendMessageW(dialog, WM_COMMAND, IDC_SIZE_MODE, 0);
        RECT full{};
        GetWindowRect(dialog, &full);
        EXPECT_GT(full.right - full.left, compact.right - compact.left + 100);
        EXPECT_EQ(full.left, compact.left);
        EXPECT_EQ(FieldText(dialog, IDC_SIZE_MODE), u"<");
    });
}

namespace {

std::u16string ClipboardText()
{
    std::u16string text;
    if (!OpenClipboard(nullptr))
        return u"(no clipboard)";
    if (HANDLE data = GetClipboardData(CF_UNICODETEXT)) {
        if (const auto* units = static_cast<const char16_t*>(GlobalLock(data))) {
            text = units;
            GlobalUnlock(data);
        }
    }
    CloseClipboard();
    return text;
}

void SetClipboardText(const char16_t* text)
{
    OpenClipboard(nullptr);
    EmptyClipboard();
    const std::size_t bytes = (std::char_traits<char16_t>::length(text) + 1) * sizeof(char16_t);
    HGLOBAL memory = GlobalAlloc(GMEM_MOVEABLE, bytes);
    std::memcpy(GlobalLock(memory), text, bytes);
    GlobalUnlock(memory);
    SetClipboardData(CF_UNICODETEXT, memory);
    CloseClipboard();
}

bool IsChecked(HWND dialog, UINT command)
{
    HMENU menu = GetSystemMenu(dialog, FALSE);
    SendMessageW(dialog, WM_INITMENU, reinterpret_cast<WPARAM>(menu), 0);
    return (GetMenuState(menu, command, MF_BYCOMMAND) & MF_CHECKED) != 0;
}

} // namespace

TEST_F(PickerDialog, TheColorIsCopiedAsTextFromTheSystemMenuAndWithControlC)
{
    Run(0x80E0A040u, kPickerAlpha, [&](HWND dialog) {
        SendMessageW(dialog, WM_SYSCOMMAND, IDM_COPY_CSS, 0);
        EXPECT_EQ(ClipboardText(), u"rgb(64 160 224 / 0.50)");
        SendMessageW(dialog, WM_SYSCOMMAND, IDM_COPY_FLOAT, 0);
        EXPECT_EQ(ClipboardText(), u"0.251, 0.627, 0.878, 0.502");
        SendMessageW(dialog, WM_SYSCOMMAND, IDM_COPY_LINEAR, 0);
        EXPECT_EQ(ClipboardText(), u"0.051, 0.352, 0.745, 0.502");
        // Ctrl+C copies hex wherever the focus is but in an edit field,
        // where it copies the field's selection as ever.
        SetClipboardText(u"before");
        SetFocus(GetDlgItem(dialog, IDC_HEX_FIELD));
        Press(GetFocus(), 'C', true);
        EXPECT_NE(ClipboardText(), u"#40A0E080");
        SetFocus(GetDlgItem(dialog, IDC_MODE_RED));
        Press(GetFocus(), 'C', true);
        EXPECT_EQ(ClipboardText(), u"#40A0E080");
    });
    Run(0x00E0A040u, 0, [&](HWND dialog) {
        SendMessageW(dialog, WM_SYSCOMMAND, IDM_COPY_HEX, 0);
        EXPECT_EQ(ClipboardText(), u"#40A0E0") << "no alpha byte without the alpha channel";
    });
}

TEST_F(PickerDialog, ShowContrastAddsTheRatioToBothSwatchTipsAndIsRemembered)
{
    Run(0x00FFFFFF, 0, [&](HWND dialog) {
        EXPECT_FALSE(IsChecked(dialog, IDM_SHOW_CONTRAST)) << "off at first";
        EXPECT_EQ(ToolText(TooltipOf(dialog), dialog, IDC_CURRENT_SWATCH).find(u"Contrast"), std::u16string::npos);
        SendMessageW(dialog, WM_SYSCOMMAND, IDM_SHOW_CONTRAST, 0);
        EXPECT_TRUE(IsChecked(dialog, IDM_SHOW_CONTRAST));
        Type(dialog, IDC_HEX_FIELD, L"777777");
        SetFocus(GetDlgItem(dialog, IDC_HEX_FIELD));
        SendMessageW(dialog, WM_COMMAND, IDOK, 0);
        for (const int swatch : {IDC_CURRENT_SWATCH, IDC_ORIGINAL_SWATCH}) {
            const std::u16string tip = ToolText(TooltipOf(dialog), dialog, swatch);
            EXPECT_NE(tip.find(u"\r\nContrast 4.47:1, AA Large"), std::u16string::npos)
                << "swatch " << swatch << ": " << std::string(tip.begin(), tip.end());
        }
        EXPECT_NE(ToolText(TooltipOf(dialog), dialog, IDC_CURRENT_SWATCH).find(u"Hex=777777\r\nContrast"),
                  std::u16string::npos);
    });
    Run(0x00000000, 0, [&](HWND dialog) {
        EXPECT_TRUE(IsChecked(dialog, IDM_SHOW_CONTRAST)) << "kept in the settings";
        EXPECT_NE(ToolText(TooltipOf(dialog), dialog, IDC_ORIGINAL_SWATCH).find(u"Contrast 1.00:1"),
                  std::u16string::npos);
    });
}

TEST(ObjectCensus, SeesADeliberateLeakOfEachKind)
{
    ASSERT_TRUE(CanTakeObjectCensus()) << "the process's GDI handle table cannot be read";
    // The system gives the thread a window of its own while it has any.
    HWND anchor = CreateWindowExW(0, L"STATIC", L"", WS_POPUP, 0, 0, 10, 10, nullptr, nullptr, nullptr, nullptr);
    const ObjectCensus before = TakeObjectCensus();
    HBITMAP bitmap = CreateBitmap(2, 2, 1, 1, nullptr);
    HBRUSH brush = CreateSolidBrush(RGB(1, 2, 3));
    HWND window = CreateWindowExW(0, L"STATIC", L"", WS_POPUP, 0, 0, 10, 10, nullptr, nullptr, nullptr, nullptr);
    HWND child = CreateWindowExW(0, L"STATIC", L"", WS_CHILD, 0, 0, 5, 5, window, nullptr, nullptr, nullptr);
    const ObjectCensus during = TakeObjectCensus();
    EXPECT_EQ(during.windows, before.windows + 2);
    int grown = 0;
    for (const auto& [kind, count] : during.gdiObjects) {
        const auto was = before.gdiObjects.find(kind);
        grown += count - (was == before.gdiObjects.end() ? 0 : was->second);
    }
    EXPECT_EQ(grown, 2);
    DestroyWindow(child);
    DestroyWindow(window);
    DeleteObject(brush);
    DeleteObject(bitmap);
    EXPECT_EQ(TakeObjectCensus(), before);
    DestroyWindow(anchor);
}

TEST_F(PickerDialog, RepeatedRunsAndPicksLeaveNoWindowsOrDrawingObjectsBehind)
{
    ASSERT_TRUE(CanTakeObjectCensus());
    const auto pickOnce = [](HWND dialog) {
        const RECT icon = ChildRect(dialog, IDC_EYEDROPPER);
        const POINT onIcon{(icon.left + icon.right) / 2, (icon.top + icon.bottom) / 2};
        Mouse(dialog, WM_LBUTTONDOWN, onIcon, MK_LBUTTON);
        Mouse(dialog, WM_MOUSEMOVE, {onIcon.x + 40, onIcon.y}, MK_LBUTTON);
        Mouse(dialog, WM_LBUTTONUP, {onIcon.x + 40, onIcon.y});
    };
    // The first runs fill the system's caches (window device contexts among them).
    constexpr int kWarmUpRuns = 4;
    ObjectCensus before;
    for (int i = 0; i < kWarmUpRuns + 200; ++i) {
        if (i == kWarmUpRuns)
            before = TakeObjectCensus();
        const int result = Run(kOrange, i % 2 ? kPickerAlpha : 0, [&](HWND dialog) {
            if (i < kWarmUpRuns + 50)
                pickOnce(dialog);
            RedrawWindow(dialog, nullptr, nullptr, RDW_INVALIDATE | RDW_UPDATENOW);
            if (i % 3 == 0) {
                SetFocus(GetDlgItem(dialog, IDC_MODE_RED));
                SendMessageW(dialog, WM_COMMAND, IDOK, 0);
            }
        });
        ASSERT_EQ(result, i % 3 == 0 ? 1 : 0);
    }
    const ObjectCensus after = TakeObjectCensus();
    EXPECT_EQ(after.windows, before.windows);
    EXPECT_EQ(after.gdiObjects, before.gdiObjects);
    EXPECT_EQ(picker.host.Core()->DialogSupportQueries(), 1) << "the host is asked once per module lifetime";
}
