#include "host/viewer/ViewerWindow.h"

#include <cwchar>
#include <vector>

#include "common/GdiOwners.h"
#include "common/NoThrowBoundary.h"
#include "host/viewer/ShadedSphere.h"
#include "host/viewer/ViewerSettings.h"
#include "plexa/HostCore.h"
#include "plexa/jx_EXTENSION.h"

namespace {

constexpr wchar_t kClassName[] = L"PlexaViewer";
constexpr UINT kPickCommand = 100;
constexpr UINT kAlphaCommand = 101;
constexpr UINT kExitCommand = 102;

struct ViewerState {
    ViewerOptions options;
    jx_FRAME frame;
    HMENU colorMenu = nullptr;
    UINT colorChangeMessage = 0;
    bool showAlpha = false;
    std::uint32_t color = 0;
    // The color the title names: it follows the color at the next paint.
    std::uint32_t titleColor = 0;
    std::vector<std::uint32_t> pixels;
};

ViewerState* State(HWND window) { return reinterpret_cast<ViewerState*>(GetWindowLongPtrW(window, GWLP_USERDATA)); }

void UpdateTitle(HWND window, const ViewerState& state)
{
    wchar_t title[64];
    std::swprintf(title, 64, L"Plexa Viewer - #%02X%02X%02X", state.color & 0xFF, state.color >> 8 & 0xFF,
                  state.color >> 16 & 0xFF);
    SetWindowTextW(window, title);
}

// The sphere and the title follow with the next paint, once per frame
// however many colors a drag in the picker sends meanwhile.
void ShowColor(HWND window, ViewerState& state, std::uint32_t color)
{
    state.color = color;
    InvalidateRect(window, nullptr, FALSE);
}

// The frame grays the pick command while a module's modal dialog runs.
void OnModalStateChanged(void* context, int modalState)
{
    auto* state = static_cast<ViewerState*>(context);
    EnableMenuItem(state->colorMenu, kPickCommand, MF_BYCOMMAND | (modalState ? MF_GRAYED : MF_ENABLED));
}

void PickColor(HWND window, ViewerState& state)
{
    if (!state.options.picker || state.frame.IsModal())
        return;
    PickerRequest request{};
    request.word[kPickerRequester] = HandleToULong(window);
    request.word[kPickerColor] = state.color;
    request.word[kPickerOptions] = state.showAlpha ? kPickerAlpha : 0;
    const std::uint32_t before = state.color;
    const int result = state.options.picker->PickColor(&request);
    // Only a confirmed run keeps its color; live previews are undone otherwise.
    ShowColor(window, state, result == 1 ? request.word[kPickerColor] : before);
}

HMENU CreateViewerMenu(ViewerState& state)
{
    HMENU bar = CreateMenu();
    state.colorMenu = CreatePopupMenu();
    AppendMenuW(state.colorMenu, MF_STRING, kPickCommand, L"&Pick color...\tCtrl+K");
    AppendMenuW(state.colorMenu, MF_STRING, kAlphaCommand, L"Show &alpha channel");
    AppendMenuW(state.colorMenu, MF_SEPARATOR, 0, nullptr);
    AppendMenuW(state.colorMenu, MF_STRING, kExitCommand, L"E&xit");
    AppendMenuW(bar, MF_POPUP, reinterpret_cast<UINT_PTR>(state.colorMenu), L"&Color");
    return bar;
}

void SaveSettings(HWND window, const ViewerState& state)
{
    ViewerSettings settings;
    settings.color = state.color;
    settings.showAlpha = state.showAlpha;
    WINDOWPLACEMENT placement{};
    placement.length = sizeof placement;
    // The restored size, also when the window closes minimized or maximized.
    if (GetWindowPlacement(window, &placement))
        settings.window = placement.rcNormalPosition;
    SaveViewerSettings(state.options.core, settings);
}

void OnPaint(HWND window, ViewerState& state)
{
    if (state.titleColor != state.color) {
        state.titleColor = state.color;
        UpdateTitle(window, state);
    }
    const PaintDc paint(window);
    HDC dc = paint.get();
    RECT client;
    GetClientRect(window, &client);
    const int width = client.right;
    const int height = client.bottom;
    if (width > 0 && height > 0) {
        state.pixels.resize(static_cast<std::size_t>(width) * height);
        RenderShadedSphere(state.pixels.data(), width, height, state.color, state.showAlpha);
        BITMAPINFO info{};
        info.bmiHeader.biSize = sizeof info.bmiHeader;
        info.bmiHeader.biWidth = width;
        info.bmiHeader.biHeight = -height; // top-down rows
        info.bmiHeader.biPlanes = 1;
        info.bmiHeader.biBitCount = 32;
        info.bmiHeader.biCompression = BI_RGB;
        SetDIBitsToDevice(dc, 0, 0, width, height, 0, 0, 0, height, state.pixels.data(), &info, DIB_RGB_COLORS);
    }
}

void OnCommand(HWND window, ViewerState& state, UINT command)
{
    switch (command) {
    case kPickCommand:
        PickColor(window, state);
        break;
    case kAlphaCommand:
        state.showAlpha = !state.showAlpha;
        CheckMenuItem(state.colorMenu, kAlphaCommand, MF_BYCOMMAND | (state.showAlpha ? MF_CHECKED : MF_UNCHECKED));
        InvalidateRect(window, nullptr, FALSE);
        break;
    case kExitCommand:
        DestroyWindow(window);
        break;
    }
}

LRESULT Dispatch(HWND window, UINT message, WPARAM wParam, LPARAM lParam)
{
    ViewerState* state = State(window);
    if (message == WM_NCCREATE) {
        state = static_cast<ViewerState*>(reinterpret_cast<CREATESTRUCTW*>(lParam)->lpCreateParams);
        SetWindowLongPtrW(window, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(state));
        // Modules find the host's frame at offset 0 of the main window.
        SetWindowLongPtrW(window, 0, reinterpret_cast<LONG_PTR>(&state->frame));
    }
    if (!state)
        return DefWindowProcW(window, message, wParam, lParam);
    if (message == state->colorChangeMessage && message != 0) {
        ShowColor(window, *state, static_cast<std::uint32_t>(wParam));
        return 0;
    }
    switch (message) {
    case WM_PAINT:
        OnPaint(window, *state);
        return 0;
    case WM_ERASEBKGND:
        return 1;
    case WM_SIZE:
        InvalidateRect(window, nullptr, FALSE);
        return 0;
    case WM_COMMAND:
        OnCommand(window, *state, LOWORD(wParam));
        return 0;
    case WM_DESTROY:
        SaveSettings(window, *state);
        SetWindowLongPtrW(window, 0, 0);
        PostQuitMessage(0);
        return 0;
    case WM_NCDESTROY:
        delete state;
        SetWindowLongPtrW(window, GWLP_USERDATA, 0);
        return 0;
    default:
        return DefWindowProcW(window, message, wParam, lParam);
    }
}

LRESULT CALLBACK ViewerProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam)
{
    return CallWithoutThrowing<LRESULT>(0, [&] { return Dispatch(window, message, wParam, lParam); });
}

} // namespace

HWND CreateViewerWindow(HINSTANCE instance, const ViewerOptions& options)
{
    WNDCLASSEXW windowClass{};
    windowClass.cbSize = sizeof windowClass;
    windowClass.lpfnWndProc = ViewerProc;
    windowClass.cbWndExtra = sizeof(void*); // the frame object
    windowClass.hInstance = instance;
    windowClass.hCursor = LoadCursorW(nullptr, IDC_ARROW);
    windowClass.hIcon = LoadIconW(instance, MAKEINTRESOURCEW(1));
    windowClass.hIconSm = static_cast<HICON>(LoadImageW(
        instance, MAKEINTRESOURCEW(1), IMAGE_ICON, GetSystemMetrics(SM_CXSMICON), GetSystemMetrics(SM_CYSMICON), 0));
    windowClass.lpszClassName = kClassName;
    RegisterClassExW(&windowClass);

    auto* state = new ViewerState;
    state->options = options;
    const ViewerSettings settings = LoadViewerSettings(options.core);
    state->color = settings.color;
    state->showAlpha = options.showAlpha || settings.showAlpha;
    state->colorChangeMessage = RegisterWindowMessageA(kColorChangeMessageName);
    state->frame.SetListener(OnModalStateChanged, state);
    HMENU menu = CreateViewerMenu(*state);
    CheckMenuItem(state->colorMenu, kAlphaCommand, MF_BYCOMMAND | (state->showAlpha ? MF_CHECKED : MF_UNCHECKED));
    const RECT& place = settings.window;
    HWND window = CreateWindowExW(0, kClassName, L"Plexa Viewer", WS_OVERLAPPEDWINDOW, place.left, place.top,
                                  place.right - place.left, place.bottom - place.top, nullptr, menu, instance, state);
    if (!window) {
        delete state;
        DestroyMenu(menu);
        return nullptr;
    }
    state->titleColor = state->color;
    UpdateTitle(window, *state);
    if (options.core)
        options.core->SetMainWindow(window);
    return window;
}

int RunViewer(HWND window, bool pickAtStart)
{
    ACCEL pick{FCONTROL | FVIRTKEY, 'K', kPickCommand};
    HACCEL accelerators = CreateAcceleratorTableW(&pick, 1);
    ShowWindow(window, SW_SHOWNORMAL);
    UpdateWindow(window);
    if (pickAtStart)
        PostMessageW(window, WM_COMMAND, kPickCommand, 0);
    MSG message;
    while (GetMessageW(&message, nullptr, 0, 0) > 0) {
        if (!TranslateAcceleratorW(window, accelerators, &message)) {
            TranslateMessage(&message);
            DispatchMessageW(&message);
        }
    }
    DestroyAcceleratorTable(accelerators);
    return static_cast<int>(message.wParam);
}
