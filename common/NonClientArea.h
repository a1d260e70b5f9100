// Frames and their painting. Under Wine the default WM_NCPAINT of a window
// without a frame (no border, caption or scroll bars) still asks the server
// for the window's visible region, and a themed button looks its frame
// parts up, to draw nothing: the dialog's labels and buttons spent about a
// twelfth of its full repaint so. Controls without a frame leave it out.
#pragma once

#include <windows.h>

// Whether the window has anything outside its client area to draw.
inline bool HasNonClientArea(HWND window)
{
    RECT outer{}, client{};
    GetWindowRect(window, &outer);
    GetClientRect(window, &client);
    return outer.right - outer.left != client.right || outer.bottom - outer.top != client.bottom;
}

// In front of a control's own procedure, which its user data holds.
inline LRESULT CALLBACK FramelessControlProc(HWND control, UINT message, WPARAM wParam, LPARAM lParam)
{
    const auto procedure = reinterpret_cast<WNDPROC>(GetWindowLongPtrW(control, GWLP_USERDATA));
    if (!procedure)
        return DefWindowProcW(control, message, wParam, lParam);
    if (message == WM_NCPAINT && !HasNonClientArea(control))
        return 0;
    if (message == WM_NCDESTROY) {
        SetWindowLongPtrW(control, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(procedure));
        SetWindowLongPtrW(control, GWLP_USERDATA, 0);
    }
    return CallWindowProcW(procedure, control, message, wParam, lParam);
}

// Every Static and Button child of `parent` whose user data is free leaves
// out the default WM_NCPAINT while it has no frame, until it is destroyed.
inline void SkipEmptyFramePaint(HWND parent)
{
    for (HWND child = GetWindow(parent, GW_CHILD); child; child = GetWindow(child, GW_HWNDNEXT)) {
        wchar_t name[8]{};
        GetClassNameW(child, name, 8);
        if ((lstrcmpiW(name, L"Static") != 0 && lstrcmpiW(name, L"Button") != 0) ||
            GetWindowLongPtrW(child, GWLP_USERDATA) != 0)
            continue;
        SetWindowLongPtrW(child, GWLP_USERDATA, GetWindowLongPtrW(child, GWLP_WNDPROC));
        SetWindowLongPtrW(child, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(&FramelessControlProc));
    }
}
