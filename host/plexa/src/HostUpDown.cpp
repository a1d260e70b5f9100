#include "host/plexa/src/HostUpDown.h"

#include <commctrl.h>

#include <cmath>
#include <limits>

#include "common/NoThrowBoundary.h"
#include "plexa/jx_TOOLBAR.h"

namespace {

constexpr int kUpDownChildId = 1;
constexpr UINT_PTR kWheelSubclassId = 0x4A58;

HWND UpDownOf(HWND window) { return GetDlgItem(window, kUpDownChildId); }

int ToInt(double value)
{
    if (std::isnan(value))
        return 0;
    constexpr double low = std::numeric_limits<int>::min();
    constexpr double high = std::numeric_limits<int>::max();
    return static_cast<int>(value < low ? low : value > high ? high : value);
}

// One step per wheel notch over the field, as over the spin control.
LRESULT CALLBACK BuddyWheelProc(HWND buddy, UINT message, WPARAM wParam, LPARAM lParam, UINT_PTR, DWORD_PTR upDown)
{
    return CallWithoutThrowing<LRESULT>(0, [&]() -> LRESULT {
        if (message == WM_MOUSEWHEEL)
            return SendMessageW(reinterpret_cast<HWND>(upDown), WM_MOUSEWHEEL, wParam, lParam);
        if (message == WM_NCDESTROY)
            RemoveWindowSubclass(buddy, BuddyWheelProc, kWheelSubclassId);
        return DefSubclassProc(buddy, message, wParam, lParam);
    });
}

void SetRange(HWND window, const double* range)
{
    HWND upDown = UpDownOf(window);
    if (!upDown || !range)
        return;
    const int low = ToInt(range[0]);
    const int high = ToInt(range[1]);
    SendMessageW(upDown, UDM_SETRANGE32, low, high);
}

LRESULT Dispatch(HWND window, UINT message, WPARAM wParam, LPARAM lParam)
{
    switch (message) {
    case WM_CREATE: {
        RECT client{};
        GetClientRect(window, &client);
        HWND upDown = CreateWindowExW(0, UPDOWN_CLASSW, nullptr,
                                      WS_CHILD | WS_VISIBLE | UDS_ARROWKEYS | UDS_SETBUDDYINT | UDS_NOTHOUSANDS, 0, 0,
                                      client.right, client.bottom, window, reinterpret_cast<HMENU>(kUpDownChildId),
                                      reinterpret_cast<HINSTANCE>(GetWindowLongPtrW(window, GWLP_HINSTANCE)), nullptr);
        if (!upDown)
            return -1;
        HWND buddy = GetDlgItem(GetParent(window), GetDlgCtrlID(window) - 1);
        if (buddy) {
            SendMessageW(upDown, UDM_SETBUDDY, reinterpret_cast<WPARAM>(buddy), 0);
            SetWindowSubclass(buddy, BuddyWheelProc, kWheelSubclassId, reinterpret_cast<DWORD_PTR>(upDown));
        }
        return 0;
    }
    case WM_SIZE:
        if (HWND upDown = UpDownOf(window))
            MoveWindow(upDown, 0, 0, LOWORD(lParam), HIWORD(lParam), TRUE);
        return 0;
    case kJxUpDownSetRange:
        SetRange(window, reinterpret_cast<const double*>(lParam));
        return 0;
    case WM_MOUSEWHEEL:
        if (HWND upDown = UpDownOf(window))
            return SendMessageW(upDown, message, wParam, lParam);
        return 0;
    default:
        return DefWindowProcW(window, message, wParam, lParam);
    }
}

} // namespace

LRESULT CALLBACK HostUpDownProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam)
{
    return CallWithoutThrowing<LRESULT>(0, [&] { return Dispatch(window, message, wParam, lParam); });
}
