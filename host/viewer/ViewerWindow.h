// The viewer's main window: a shaded sphere in the current color, a menu
// command (Ctrl+K) that asks the picker for a new color, and live
// recoloring while the picker runs.
#pragma once

#include <windows.h>

#include <cstdint>

class jx_COLORPIKER;
class jx_HOSTCORE;

struct ViewerOptions {
    jx_HOSTCORE* core = nullptr;
    jx_COLORPIKER* picker = nullptr;
    // The picker edits alpha too; the sphere fades with it.
    bool showAlpha = false;
};

HWND CreateViewerWindow(HINSTANCE instance, const ViewerOptions& options);
// Runs the message loop until the window closes; with pickAtStart the
// picker opens as soon as the loop runs.
int RunViewer(HWND window, bool pickAtStart);
