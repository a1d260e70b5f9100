// Whether a window has anything outside its client area for WM_NCPAINT to
// draw: a border, a caption, scroll bars. Under Wine the default WM_NCPAINT
// of a window without any still asks the server for the window's visible
// region, one round trip per window and repaint; controls of ours without
// a frame leave it out.
#pragma once

#include <windows.h>

inline bool HasNonClientArea(HWND window)
{
    RECT outer{}, client{};
    GetWindowRect(window, &outer);
    GetClientRect(window, &client);
    return outer.right - outer.left != client.right || outer.bottom - outer.top != client.bottom;
}
