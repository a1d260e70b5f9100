#include "tests/windows/TestHost.h"

#include <gtest/gtest.h>
#include <commctrl.h>
#include <shellapi.h>

#include <cstring>
#include <string>

#include "plexa/Win32Text.h"
#include "resources/ResourceIds.h"

namespace {

constexpr wchar_t kRequesterClass[] = L"PlexaTestRequester";

std::u16string UniqueName(const char16_t* prefix)
{
    static int counter = 0;
    return prefix + std::u16string(AsUtf16(std::to_wstring(GetCurrentProcessId()).c_str())) + u"-" +
           std::u16string(AsUtf16(std::to_wstring(++counter).c_str()));
}

void RemoveTree(const std::u16string& path)
{
    // SHFileOperation needs a double-terminated list.
    std::u16string from = path;
    from.push_back(0);
    SHFILEOPSTRUCTW operation{};
    operation.wFunc = FO_DELETE;
    operation.pFrom = AsWide(from.c_str());
    operation.fFlags = FOF_NO_UI;
    SHFileOperationW(&operation);
}

void RecordReport(void* context, int kind, const char* text)
{
    static_cast<IsolatedHost*>(context)->reports.push_back(std::to_string(kind) + ":" + text);
}

} // namespace

TempFolder::TempFolder()
{
    wchar_t temp[MAX_PATH] = {};
    GetTempPathW(MAX_PATH, temp);
    path = AsUtf16(temp) + UniqueName(u"plexa-test-");
    CreateDirectoryW(AsWide(path.c_str()), nullptr);
}

TempFolder::~TempFolder() { RemoveTree(path); }

IsolatedHost::IsolatedHost()
    : paletteFolder(userFolder.File(u"Shared palettes")), settingsKey(UniqueName(u"Software\\PlexaTests\\run-"))
{
    HostCoreConfig config;
    config.settingsKey = settingsKey.c_str();
    config.userFolder = userFolder.Path().c_str();
    config.paletteFolder = paletteFolder.c_str();
    config.reportSink = RecordReport;
    config.reportContext = this;
    core = CreateHostCore(config);
}

IsolatedHost::~IsolatedHost()
{
    core->Destroy();
    RegDeleteTreeW(HKEY_CURRENT_USER, AsWide(settingsKey.c_str()));
}

StartedPicker::StartedPicker()
{
    if (!module.Load(L"ColorPicker.dll"))
        ADD_FAILURE() << "ColorPicker.dll did not load";
    else
        startupAnswer = module.Start(host.Core());
}

RequesterWindow::RequesterWindow(jx_FRAME* frame)
{
    WNDCLASSEXW windowClass{};
    windowClass.cbSize = sizeof windowClass;
    windowClass.lpfnWndProc = Proc;
    windowClass.cbWndExtra = sizeof(void*);
    windowClass.hInstance = GetModuleHandleW(nullptr);
    windowClass.lpszClassName = kRequesterClass;
    RegisterClassExW(&windowClass);
    colorChangeMessage = RegisterWindowMessageA(kColorChangeMessageName);
    window = CreateWindowExW(0, kRequesterClass, L"Requester", WS_OVERLAPPEDWINDOW, 0, 0, 400, 300, nullptr, nullptr,
                             GetModuleHandleW(nullptr), this);
    SetWindowLongPtrW(window, 0, reinterpret_cast<LONG_PTR>(frame));
}

RequesterWindow::~RequesterWindow() { DestroyWindow(window); }

LRESULT CALLBACK RequesterWindow::Proc(HWND window, UINT message, WPARAM wParam, LPARAM lParam)
{
    if (message == WM_NCCREATE)
        SetWindowLongPtrW(window, GWLP_USERDATA,
                          reinterpret_cast<LONG_PTR>(reinterpret_cast<CREATESTRUCTW*>(lParam)->lpCreateParams));
    auto* self = reinterpret_cast<RequesterWindow*>(GetWindowLongPtrW(window, GWLP_USERDATA));
    if (self && message == self->colorChangeMessage) {
        self->colorMessages.push_back(static_cast<std::uint32_t>(wParam));
        return 0;
    }
    // Answer each dialog once: it keeps going idle until it has closed.
    if (self && message == WM_ENTERIDLE && wParam == MSGF_DIALOGBOX) {
        const auto dialog = reinterpret_cast<HWND>(lParam);
        if (dialog != self->answeredDialog && self->onIdle) {
            self->answeredDialog = dialog;
            self->onIdle(dialog);
        }
        return 0;
    }
    return DefWindowProcW(window, message, wParam, lParam);
}

DialogRunner::DialogRunner() : requester(nullptr)
{
    picker.host.Core()->SetMainWindow(requester.Handle());
    extension = picker.module.CreatePicker();
}

DialogRunner::~DialogRunner()
{
    if (extension)
        extension->Release();
}

int DialogRunner::Run(std::uint32_t color, std::uint32_t options, const std::function<void(HWND)>& script)
{
    PickerRequest request{};
    request.word[kPickerRequester] = HandleToULong(requester.Handle());
    request.word[kPickerColor] = color;
    request.word[kPickerOptions] = options;
    requester.onIdle = [&](HWND dialog) {
        script(dialog);
        // A gesture the script left going (a pick, a drag) ends first, or
        // Cancel would end only the gesture.
        if (GetCapture() == dialog)
            ReleaseCapture();
        if (IsWindow(dialog))
            PostMessageW(dialog, WM_COMMAND, IDCANCEL, 0);
    };
    const int result = extension ? extension->PickColor(&request) : 0;
    chosen = request.word[kPickerColor];
    return result;
}

std::uint32_t DialogRunner::LastMessage() const
{
    return requester.colorMessages.empty() ? 0xDEADBEEF : requester.colorMessages.back();
}

std::u16string DialogRunner::FieldText(HWND dialog, int id) { return WindowText(GetDlgItem(dialog, id)); }

void DialogRunner::Type(HWND dialog, int id, const wchar_t* text) { SetWindowTextW(GetDlgItem(dialog, id), text); }

RECT ChildRect(HWND dialog, int id)
{
    RECT rect{};
    GetWindowRect(GetDlgItem(dialog, id), &rect);
    MapWindowPoints(nullptr, dialog, reinterpret_cast<POINT*>(&rect), 2);
    return rect;
}

void Mouse(HWND dialog, UINT message, POINT point, WPARAM keys)
{
    SendMessageW(dialog, message, keys, MAKELPARAM(point.x, point.y));
}

namespace {

// The keyboard's Control and Shift as given while it lives, as they were after.
class HeldKeys {
public:
    HeldKeys(bool control, bool shift)
    {
        GetKeyboardState(saved);
        BYTE keys[256];
        std::memcpy(keys, saved, sizeof keys);
        keys[VK_CONTROL] = control ? 0x80 : 0;
        keys[VK_SHIFT] = shift ? 0x80 : 0;
        SetKeyboardState(keys);
    }
    HeldKeys(const HeldKeys&) = delete;
    HeldKeys& operator=(const HeldKeys&) = delete;
    ~HeldKeys() { SetKeyboardState(saved); }

private:
    BYTE saved[256] = {};
};

} // namespace

void Press(HWND focus, UINT key, bool control, bool shift)
{
    const HeldKeys held(control, shift);
    MSG message{focus, WM_KEYDOWN, key, 0, 0, {}};
    if (!CallMsgFilterW(&message, MSGF_DIALOGBOX))
        DispatchMessageW(&message);
}

void PressInDialog(HWND dialog, UINT key, bool shift)
{
    const HeldKeys held(false, shift);
    const UINT kind = key == VK_F10 ? WM_SYSKEYDOWN : WM_KEYDOWN;
    MSG message{GetFocus(), kind, key, 1, 0, {}};
    if (!CallMsgFilterW(&message, MSGF_DIALOGBOX) && !IsDialogMessageW(dialog, &message)) {
        TranslateMessage(&message);
        DispatchMessageW(&message);
    }
}

ScreenPatch::ScreenPatch(HBRUSH brush, const wchar_t* className, int left, int top, int size, WNDPROC procedure)
    : brush(brush)
{
    windowClass.lpfnWndProc = procedure;
    windowClass.hInstance = GetModuleHandleW(nullptr);
    windowClass.hbrBackground = brush;
    windowClass.lpszClassName = className;
    RegisterClassW(&windowClass);
    window = CreateWindowExW(WS_EX_TOPMOST, className, L"", WS_POPUP | WS_VISIBLE, left, top, size, size, nullptr,
                             nullptr, windowClass.hInstance, nullptr);
    UpdateWindow(window);
    // On the display once the thread idles, as ScreenPixels finds it.
    MsgWaitForMultipleObjectsEx(0, nullptr, 0, QS_ALLINPUT, 0);
}

ScreenPatch::~ScreenPatch()
{
    DestroyWindow(window);
    UnregisterClassW(windowClass.lpszClassName, windowClass.hInstance);
    if (brush)
        DeleteObject(brush);
}

COLORREF PixelAt(HWND dialog, POINT point)
{
    RedrawWindow(dialog, nullptr, nullptr, RDW_INVALIDATE | RDW_UPDATENOW);
    HDC dc = GetDC(dialog);
    const COLORREF pixel = GetPixel(dc, point.x, point.y);
    ReleaseDC(dialog, dc);
    return pixel;
}

std::vector<COLORREF> ScreenPixels(const RECT& rect)
{
    MsgWaitForMultipleObjectsEx(0, nullptr, 0, QS_ALLINPUT, 0);
    HDC screen = GetDC(nullptr);
    std::vector<COLORREF> pixels;
    for (int y = rect.top; y < rect.bottom; ++y)
        for (int x = rect.left; x < rect.right; ++x)
            pixels.push_back(GetPixel(screen, x, y));
    ReleaseDC(nullptr, screen);
    return pixels;
}

void RecordingFrame::SetModalState(int state)
{
    states.push_back(state);
    jx_FRAME::SetModalState(state);
}

namespace {

struct TooltipSearch {
    HWND dialog;
    HWND found;
};

BOOL CALLBACK FindTooltip(HWND window, LPARAM context)
{
    auto* search = reinterpret_cast<TooltipSearch*>(context);
    TOOLINFOW tool{};
    tool.cbSize = sizeof tool;
    tool.hwnd = search->dialog;
    tool.uId = IDC_CURRENT_SWATCH;
    if (SendMessageW(window, TTM_GETTOOLINFOW, 0, reinterpret_cast<LPARAM>(&tool)))
        search->found = window;
    return search->found == nullptr;
}

} // namespace

HWND TooltipOf(HWND dialog)
{
    TooltipSearch search{dialog, nullptr};
    EnumThreadWindows(GetCurrentThreadId(), FindTooltip, reinterpret_cast<LPARAM>(&search));
    return search.found;
}

std::u16string ToolText(HWND tooltip, HWND dialog, UINT_PTR id)
{
    wchar_t text[512] = {};
    TOOLINFOW tool{};
    tool.cbSize = sizeof tool;
    tool.hwnd = dialog;
    tool.uId = id;
    tool.lpszText = text;
    SendMessageW(tooltip, TTM_GETTEXTW, 512, reinterpret_cast<LPARAM>(&tool));
    return AsUtf16(text);
}

std::u16string WindowText(HWND window)
{
    wchar_t text[512] = {};
    GetWindowTextW(window, text, 512);
    return AsUtf16(text);
}
