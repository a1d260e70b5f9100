// The host's toolbar window class "JX_Toolbar": a common-controls toolbar
// inside a host window whose long 0 holds the jx_TOOLBAR object that modules
// fill. Button commands and drop-down menu choices reach the toolbar's
// parent (the module's dialog) as WM_COMMAND.
#pragma once

#include <windows.h>

// The window procedure of the class.
LRESULT CALLBACK HostToolbarProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam);
