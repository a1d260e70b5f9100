#include "host/plexa/src/HostUpDown.h"

#include <commctrl.h>

#include <cmath>
#include <cstdint>
#include <limits>
#include <memory>
#include <vector>

#include "common/NoThrowBoundary.h"
#include "common/OffscreenPainting.h"
#include "plexa/jx_TOOLBAR.h"

namespace {

constexpr LONG kUpDownStyles = UDS_ARROWKEYS | UDS_SETBUDDYINT | UDS_NOTHOUSANDS;

// The common controls' own up-down procedure, which does everything this
// class does not add. The class extends it rather than holding an up-down
// in a window of its own: one window less per spin control to paint.
WNDPROC upDownProcedure = nullptr;

int ToInt(double value)
{
    if (std::isnan(value))
        return 0;
    constexpr double low = std::numeric_limits<int>::min();
    constexpr double high = std::numeric_limits<int>::max();
    return static_cast<int>(value < low ? low : value > high ? high : value);
}

// A dialog lays a spin control over its field's right end, and the field,
// made first, would lie above it: it would take the spin's clicks and paint
// over it whenever it repaints. The spin keeps itself just above its field,
// and the field leaves the spin's place alone when it paints.
void KeepAboveBuddy(HWND upDown, HWND buddy)
{
    if (!buddy || GetWindow(upDown, GW_HWNDNEXT) == buddy)
        return;
    HWND aboveBuddy = GetWindow(buddy, GW_HWNDPREV);
    SetWindowPos(upDown, aboveBuddy ? aboveBuddy : HWND_TOP, 0, 0, 0, 0,
                 SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE | SWP_NOOWNERZORDER);
}

// A spin control's field: the field's own window procedure, and the spin
// control that its arrow keys and the wheel over it step (null once the spin
// control is gone).
struct SpinField {
    HWND field;
    WNDPROC fieldProcedure;
    HWND upDown;
};

// The fields of this thread's spin controls, each given SpinFieldProc in
// place of its window procedure. The common controls' way to extend a window
// (SetWindowSubclass, which is also how the up-down would take its buddy's
// arrow keys) asks Wine's server for the window's subclass data with every
// message the window gets, painting included: that made a field's repaint
// twice as slow as a plain field's.
thread_local std::vector<SpinField> spinFields;

SpinField* SpinFieldOf(HWND field)
{
    for (SpinField& entry : spinFields)
        if (entry.field == field)
            return &entry;
    return nullptr;
}

// Up and down in the field, and the wheel over it, step its spin control as
// they would over the spin control itself.
LRESULT OnSpinFieldMessage(HWND field, UINT message, WPARAM wParam, LPARAM lParam)
{
    const SpinField* entry = SpinFieldOf(field);
    if (!entry)
        return DefWindowProcW(field, message, wParam, lParam);
    const WNDPROC fieldProcedure = entry->fieldProcedure;
    HWND upDown = entry->upDown;
    switch (message) {
    case WM_KEYDOWN:
        if (upDown && (wParam == VK_UP || wParam == VK_DOWN)) {
            SendMessageW(upDown, WM_KEYDOWN, wParam, lParam);
            return 0;
        }
        break;
    case WM_MOUSEWHEEL:
        if (upDown)
            return SendMessageW(upDown, WM_MOUSEWHEEL, wParam, lParam);
        break;
    case WM_NCDESTROY:
        std::erase_if(spinFields, [&](const SpinField& other) { return other.field == field; });
        break;
    default:
        break;
    }
    return CallWindowProcW(fieldProcedure, field, message, wParam, lParam);
}

LRESULT CALLBACK SpinFieldProc(HWND field, UINT message, WPARAM wParam, LPARAM lParam)
{
    return CallWithoutThrowing<LRESULT>(0, [&] { return OnSpinFieldMessage(field, message, wParam, lParam); });
}

// Only a field of this thread: its messages come to this thread's list.
void TakeField(HWND field, HWND upDown)
{
    if (GetWindowThreadProcessId(field, nullptr) != GetCurrentThreadId() || SpinFieldOf(field))
        return;
    spinFields.push_back({field, nullptr, upDown});
    spinFields.back().fieldProcedure =
        reinterpret_cast<WNDPROC>(SetWindowLongPtrW(field, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(SpinFieldProc)));
    if (!spinFields.back().fieldProcedure)
        spinFields.pop_back();
}

void ForgetSpinControl(HWND upDown)
{
    for (SpinField& entry : spinFields)
        if (entry.upDown == upDown)
            entry.upDown = nullptr;
}

// A spin control's look besides its own state (which only its messages
// change): whether it and its field are enabled, its style, the system's
// colors and the background its dialog gives.
std::vector<std::uint8_t> SpinLook(HWND upDown, HDC dc)
{
    LookBytes look;
    look.Add(IsWindowEnabled(upDown));
    const auto buddy = reinterpret_cast<HWND>(SendMessageW(upDown, UDM_GETBUDDY, 0, 0));
    look.Add(buddy && IsWindowEnabled(buddy));
    look.Add(GetWindowLongPtrW(upDown, GWL_STYLE));
    look.AddSystemColors({COLOR_BTNFACE, COLOR_BTNTEXT, COLOR_GRAYTEXT, COLOR_3DSHADOW, COLOR_3DDKSHADOW,
                          COLOR_3DHILIGHT, COLOR_3DLIGHT});
    look.AddBackground(upDown, dc, WM_CTLCOLORSTATIC);
    return look.bytes;
}

// Each spin control of this thread paints off-screen, and shows its picture
// again while it looks the same: the theme's arrows cost more to draw than
// any other control of a dialog's repaint.
struct SpinPainting {
    HWND upDown;
    OffscreenPainting painting;
};
thread_local std::vector<std::unique_ptr<SpinPainting>> spinPaintings;

void PaintOffscreen(HWND upDown)
{
    auto entry = std::make_unique<SpinPainting>();
    entry->upDown = upDown;
    entry->painting.Take(upDown, SpinLook);
    spinPaintings.push_back(std::move(entry));
}

LRESULT Dispatch(HWND window, UINT message, WPARAM wParam, LPARAM lParam)
{
    switch (message) {
    case WM_CREATE: {
        // The template gives no up-down styles: the up-down reads them from
        // the creation data, and the window's style is made to agree. The
        // up-down tells the window it is told is its parent of every step
        // (as scrolling and as a notification); that is the control itself,
        // which keeps them: the dialog hears a step only as a change of the
        // field.
        auto* creation = reinterpret_cast<CREATESTRUCTW*>(lParam);
        creation->style |= kUpDownStyles & ~UDS_ARROWKEYS;
        creation->hwndParent = window;
        if (CallWindowProcW(upDownProcedure, window, message, wParam, lParam) == -1)
            return -1;
        SendMessageW(window, CCM_SETNOTIFYWINDOW, reinterpret_cast<WPARAM>(window), 0);
        // The up-down makes itself its default width as it is created; the
        // dialog's template says how wide it is.
        SetWindowPos(window, nullptr, 0, 0, creation->cx, creation->cy,
                     SWP_NOMOVE | SWP_NOZORDER | SWP_NOOWNERZORDER | SWP_NOACTIVATE);
        // The buddy is set before the arrow keys are turned on, so that the
        // up-down leaves the field to SpinFieldProc; the keys it is sent
        // from there it steps by as it would in its own focus.
        HWND buddy = GetDlgItem(GetParent(window), GetDlgCtrlID(window) - 1);
        if (buddy)
            SendMessageW(window, UDM_SETBUDDY, reinterpret_cast<WPARAM>(buddy), 0);
        SetWindowLongPtrW(window, GWL_STYLE, GetWindowLongPtrW(window, GWL_STYLE) | kUpDownStyles);
        if (buddy) {
            TakeField(buddy, window);
            SetWindowLongPtrW(buddy, GWL_STYLE, GetWindowLongPtrW(buddy, GWL_STYLE) | WS_CLIPSIBLINGS);
            KeepAboveBuddy(window, buddy);
        }
        PaintOffscreen(window);
        return 0;
    }
    case WM_WINDOWPOSCHANGED: {
        // Put back when the dialog orders its controls after making them.
        const LRESULT result = CallWindowProcW(upDownProcedure, window, message, wParam, lParam);
        if (!(reinterpret_cast<const WINDOWPOS*>(lParam)->flags & SWP_NOZORDER))
            KeepAboveBuddy(window, reinterpret_cast<HWND>(SendMessageW(window, UDM_GETBUDDY, 0, 0)));
        return result;
    }
    case WM_DESTROY:
        ForgetSpinControl(window);
        return CallWindowProcW(upDownProcedure, window, message, wParam, lParam);
    case WM_NCDESTROY: {
        // Its off-screen painting has given the window back its procedure.
        const LRESULT result = CallWindowProcW(upDownProcedure, window, message, wParam, lParam);
        std::erase_if(spinPaintings, [&](const auto& entry) { return entry->upDown == window; });
        return result;
    }
    case WM_VSCROLL:
    case WM_HSCROLL:
    case WM_NOTIFY:
        return 0;
    case kJxUpDownSetRange:
        if (const auto* range = reinterpret_cast<const double*>(lParam))
            SendMessageW(window, UDM_SETRANGE32, ToInt(range[0]), ToInt(range[1]));
        return 0;
    default:
        return CallWindowProcW(upDownProcedure, window, message, wParam, lParam);
    }
}

LRESULT CALLBACK HostUpDownProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam)
{
    return CallWithoutThrowing<LRESULT>(0, [&] { return Dispatch(window, message, wParam, lParam); });
}

} // namespace

bool RegisterHostUpDownClass(HMODULE module)
{
    WNDCLASSEXW upDownClass{};
    upDownClass.cbSize = sizeof upDownClass;
    if (!GetClassInfoExW(nullptr, UPDOWN_CLASSW, &upDownClass))
        return false;
    upDownProcedure = upDownClass.lpfnWndProc;
    // Global, so dialogs of every module of the process can create it.
    upDownClass.style |= CS_GLOBALCLASS;
    upDownClass.lpfnWndProc = HostUpDownProc;
    upDownClass.hInstance = module;
    upDownClass.lpszClassName = L"JX_UPDOWN";
    return RegisterClassExW(&upDownClass) != 0;
}
