// The host's window classes as a module's dialog uses them: the toolbar with
// its image sets, buttons and enabling, and the spin control that steps the
// field beside it.
#include <gtest/gtest.h>

#include <windows.h>
#include <commctrl.h>

#include <vector>

#include "dialog/PickerSettings.h"
#include "plexa/jx_GUID.h"
#include "plexa/jx_TOOLBAR.h"
#include "resources/ResourceIds.h"
#include "tests/windows/TestHost.h"

namespace {

jx_GUID Guid(const char* text)
{
    jx_GUID guid{};
    guid.FromStr(text);
    return guid;
}

// A parent for a host toolbar that records the commands it receives.
class CommandRecorder {
public:
    CommandRecorder()
    {
        WNDCLASSEXW windowClass{};
        windowClass.cbSize = sizeof windowClass;
        windowClass.lpfnWndProc = Proc;
        windowClass.hInstance = GetModuleHandleW(nullptr);
        windowClass.lpszClassName = L"PlexaTestCommandRecorder";
        RegisterClassExW(&windowClass);
        window = CreateWindowExW(0, windowClass.lpszClassName, L"", WS_OVERLAPPEDWINDOW | WS_VISIBLE, 0, 0, 300, 200,
                                 nullptr, nullptr, windowClass.hInstance, this);
        toolbarWindow = CreateWindowExW(0, L"JX_Toolbar", L"", WS_CHILD | WS_VISIBLE, 10, 10, 200, 24, window,
                                        reinterpret_cast<HMENU>(7), windowClass.hInstance, nullptr);
    }
    ~CommandRecorder() { DestroyWindow(window); }
    jx_TOOLBAR* Toolbar() const { return reinterpret_cast<jx_TOOLBAR*>(GetWindowLongPtrW(toolbarWindow, 0)); }
    HWND Control() const { return GetWindow(toolbarWindow, GW_CHILD); }

    HWND window = nullptr;
    HWND toolbarWindow = nullptr;
    std::vector<int> commands;

private:
    static LRESULT CALLBACK Proc(HWND window, UINT message, WPARAM wParam, LPARAM lParam)
    {
        if (message == WM_NCCREATE)
            SetWindowLongPtrW(window, GWLP_USERDATA,
                              reinterpret_cast<LONG_PTR>(reinterpret_cast<CREATESTRUCTW*>(lParam)->lpCreateParams));
        auto* self = reinterpret_cast<CommandRecorder*>(GetWindowLongPtrW(window, GWLP_USERDATA));
        if (self && message == WM_COMMAND)
            self->commands.push_back(LOWORD(wParam));
        return DefWindowProcW(window, message, wParam, lParam);
    }
};

void Click(HWND control, int index)
{
    RECT rect{};
    SendMessageW(control, TB_GETITEMRECT, index, reinterpret_cast<LPARAM>(&rect));
    const LPARAM point = MAKELPARAM((rect.left + rect.right) / 2, (rect.top + rect.bottom) / 2);
    SendMessageW(control, WM_LBUTTONDOWN, MK_LBUTTON, point);
    SendMessageW(control, WM_LBUTTONUP, 0, point);
}

// Scroll and notification messages sent to one window while it lives.
class SentToWindow {
public:
    explicit SentToWindow(HWND window)
    {
        watched = window;
        seen.clear();
        hook = SetWindowsHookExW(WH_CALLWNDPROC, Record, nullptr, GetCurrentThreadId());
    }
    SentToWindow(const SentToWindow&) = delete;
    SentToWindow& operator=(const SentToWindow&) = delete;
    ~SentToWindow() { UnhookWindowsHookEx(hook); }
    static std::vector<UINT> seen;

private:
    static LRESULT CALLBACK Record(int code, WPARAM wParam, LPARAM lParam)
    {
        const auto* sent = reinterpret_cast<const CWPSTRUCT*>(lParam);
        if (code == HC_ACTION && sent->hwnd == watched &&
            (sent->message == WM_VSCROLL || sent->message == WM_HSCROLL || sent->message == WM_NOTIFY))
            seen.push_back(sent->message);
        return CallNextHookEx(nullptr, code, wParam, lParam);
    }
    static HWND watched;
    HHOOK hook;
};

std::vector<UINT> SentToWindow::seen;
HWND SentToWindow::watched = nullptr;

} // namespace

TEST(HostToolbar, ButtonsSendTheirCommandsToTheDialogWhileEnabled)
{
    StartedPicker picker;
    CommandRecorder recorder;
    jx_TOOLBAR* toolbar = recorder.Toolbar();
    ASSERT_NE(toolbar, nullptr);
    EXPECT_TRUE(toolbar->SetImageList(Guid("{23FCA3DE-B483-441C-0CB1-CB5729EAEADD}")));
    // The picker declared its own set when it started.
    EXPECT_TRUE(toolbar->SetImageList(Guid("{4E1C471E-F17C-4cce-B59E-1EF52AC9AD64}")));
    EXPECT_FALSE(toolbar->SetImageList(Guid("{00000000-0000-0000-0000-000000000001}")));
    jx_TOOLBUTTON* load = toolbar->AddButton(1, 2003, 0, 0, u"Load");
    toolbar->AddSeparator();
    toolbar->AddButton(2, 2000, 0, 0, nullptr);
    jx_TOOLBUTTON* again = toolbar->AddButton(3, 2000, kToolButtonFlat, 0, nullptr);
    toolbar->Realize();
    EXPECT_EQ(SendMessageW(recorder.Control(), TB_BUTTONCOUNT, 0, 0), 4);
    EXPECT_EQ(toolbar->FindButton(2000, 0), toolbar->FindButton(2000, 0));
    EXPECT_NE(toolbar->FindButton(2000, 0), again) << "the first button of a command";
    EXPECT_EQ(toolbar->FindButton(1234, 0), nullptr);

    Click(recorder.Control(), 0);
    Click(recorder.Control(), 3);
    EXPECT_EQ(recorder.commands, (std::vector<int>{2003, 2000}));
    load->Enable(false);
    toolbar->Refresh();
    Click(recorder.Control(), 0);
    EXPECT_EQ(recorder.commands.size(), 2u);
    EXPECT_FALSE(load->IsEnabled());
}

TEST(HostToolbar, DropDownMenusHoldCommandsSubmenusAndUnavailableItems)
{
    CommandRecorder recorder;
    jx_TOOLBAR* toolbar = recorder.Toolbar();
    jx_TOOLBUTTON* button = toolbar->AddButton(17, 0, kToolButtonDropDown, 0, u"Reset Palette");
    jx_MENU* menu = toolbar->GetButtonMenu(button);
    ASSERT_NE(menu, nullptr);
    EXPECT_EQ(toolbar->GetButtonMenu(button), menu);
    jx_MENUITEM* item = menu->AddItem(0);
    item->flags = kMenuItemCommand;
    item->command = 4001;
    item->SetText(u"Simple palette");
    jx_MENUITEM* sub = menu->AddItem(0);
    sub->flags = kMenuItemSubmenu;
    sub->Submenu()->AddItem(0)->state = kMenuItemUnavailable;
    EXPECT_EQ(menu->ItemCount(), 2);
    EXPECT_EQ(menu->Item(1)->Submenu()->ItemCount(), 1);
    EXPECT_EQ(menu->Item(2), nullptr);
    EXPECT_EQ(toolbar->GetButtonMenu(nullptr), nullptr);
}

TEST(HostUpDown, StepsItsFieldWithinTheRangeByArrowKeyWheelAndClick)
{
    StartedPicker picker;
    RequesterWindow requester(nullptr);
    picker.host.Core()->WriteSettingInt(&kPickerSettingsSection, "SizeMode", 0);
    jx_COLORPIKER* extension = picker.module.CreatePicker();
    PickerRequest request{};
    request.word[kPickerRequester] = HandleToULong(requester.Handle());
    request.word[kPickerColor] = 0x000000FE;
    std::vector<std::u16string> texts;
    requester.onIdle = [&](HWND dialog) {
        HWND red = GetDlgItem(dialog, IDC_RED_FIELD);
        HWND upDown = GetDlgItem(dialog, IDC_RED_SPIN);
        const SentToWindow sentToDialog(dialog);
        // As wide as the template made it: it ends where its field ends.
        EXPECT_EQ(ChildRect(dialog, IDC_RED_SPIN).right, ChildRect(dialog, IDC_RED_FIELD).right);
        SendMessageW(red, WM_KEYDOWN, VK_UP, 0);
        texts.push_back(WindowText(red));
        SendMessageW(red, WM_KEYDOWN, VK_UP, 0);
        texts.push_back(WindowText(red));
        SendMessageW(red, WM_MOUSEWHEEL, MAKEWPARAM(0, -WHEEL_DELTA), 0);
        texts.push_back(WindowText(red));
        // A click goes to the window the system finds at its point, as a
        // real one does: the spin control, though its field reaches under it.
        RECT spin{};
        GetWindowRect(upDown, &spin);
        POINT lowerArrow{(spin.left + spin.right) / 2, spin.bottom - 3};
        HWND clicked = WindowFromPoint(lowerArrow);
        EXPECT_EQ(clicked, upDown);
        ScreenToClient(clicked, &lowerArrow);
        SendMessageW(clicked, WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(lowerArrow.x, lowerArrow.y));
        SendMessageW(clicked, WM_LBUTTONUP, 0, MAKELPARAM(lowerArrow.x, lowerArrow.y));
        texts.push_back(WindowText(red));
        const auto spinRepainted = [&] {
            RedrawWindow(upDown, nullptr, nullptr, RDW_INVALIDATE | RDW_UPDATENOW);
            return ScreenPixels(spin);
        };
        // The field repainting leaves the spin control drawn over it.
        const std::vector<COLORREF> drawn = spinRepainted();
        InvalidateRect(red, nullptr, TRUE);
        UpdateWindow(red);
        EXPECT_EQ(ScreenPixels(spin), drawn) << "the field paints around its spin control";
        // A pressed arrow shows it while held, and no more once let go.
        SendMessageW(upDown, WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(lowerArrow.x, lowerArrow.y));
        EXPECT_NE(spinRepainted(), drawn) << "the arrow shows it is pressed";
        SendMessageW(upDown, WM_LBUTTONUP, 0, MAKELPARAM(lowerArrow.x, lowerArrow.y));
        EXPECT_EQ(spinRepainted(), drawn);
        // The shelf's scroll bar is the only control the dialog hears scroll
        // from.
        EXPECT_TRUE(SentToWindow::seen.empty()) << "a step reaches the dialog only as a change of the field";
        PostMessageW(dialog, WM_COMMAND, IDCANCEL, 0);
    };
    extension->PickColor(&request);
    extension->Release();
    EXPECT_EQ(texts, (std::vector<std::u16string>{u"255", u"255", u"254", u"253"}));
    // Each step reached the dialog as a change of the field.
    EXPECT_EQ(requester.colorMessages, (std::vector<std::uint32_t>{0xFF, 0xFE, 0xFD, 0xFC}));
}
