// Frames and their painting. Under Wine the default WM_NCPAINT of a window
// without a frame (no border, caption or scroll bars) still asks the server
// for the window's visible region, and a themed button looks its frame
// parts up, to draw nothing: the dialog's labels and buttons spent about a
// twelfth of its full repaint so. Controls without a frame leave it out.
#pragma once

#include <windows.h>

#include <atomic>

#include "common/NoThrowBoundary.h"

// Whether the window has anything outside its client area to draw.
inline bool HasNonClientArea(HWND window)
{
    RECT outer{}, client{};
    GetWindowRect(window, &outer);
    GetClientRect(window, &client);
    return outer.right - outer.left != client.right || outer.bottom - outer.top != client.bottom;
}

// In front of the window procedure of a class's controls, one for each
// class: setting a procedure is a server round trip under Wine, and so would
// be keeping the control's own in its user data.
template <int Class> class FramelessControl {
public:
    // Takes a control of the class, unless its procedure is another than
    // the first one taken had (another class's, or a subclass's).
    static void Take(HWND control)
    {
        const auto procedure = reinterpret_cast<WNDPROC>(GetWindowLongPtrW(control, GWLP_WNDPROC));
        WNDPROC expected = nullptr;
        if (!classProcedure.compare_exchange_strong(expected, procedure) && expected != procedure)
            return;
        SetWindowLongPtrW(control, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(&Procedure));
    }

private:
    static LRESULT CALLBACK Procedure(HWND control, UINT message, WPARAM wParam, LPARAM lParam)
    {
        return CallWithoutThrowing<LRESULT>(0, [&]() -> LRESULT {
            if (message == WM_NCPAINT && !HasNonClientArea(control))
                return 0;
            return CallWindowProcW(classProcedure.load(), control, message, wParam, lParam);
        });
    }

    static inline std::atomic<WNDPROC> classProcedure{nullptr};
};

// Every visible Static and Button child of `parent` leaves out the default
// WM_NCPAINT while it has no frame. Those hidden now, never painted or
// shown later, paint as they would.
inline void SkipEmptyFramePaint(HWND parent)
{
    for (HWND child = GetWindow(parent, GW_CHILD); child; child = GetWindow(child, GW_HWNDNEXT)) {
        if (!(GetWindowLongPtrW(child, GWL_STYLE) & WS_VISIBLE))
            continue;
        wchar_t name[8]{};
        GetClassNameW(child, name, 8);
        if (lstrcmpiW(name, L"Static") == 0)
            FramelessControl<0>::Take(child);
        else if (lstrcmpiW(name, L"Button") == 0)
            FramelessControl<1>::Take(child);
    }
}
