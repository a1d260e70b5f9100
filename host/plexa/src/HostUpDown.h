// The host's spin control window class "JX_UPDOWN": a common-controls
// up-down control whose buddy is the dialog's edit field with the id one
// below its own. Every step writes the buddy's number, so the dialog hears
// it as EN_CHANGE of the field; the arrow keys in the field and the mouse
// wheel over either step it too. The range comes with kJxUpDownSetRange.
#pragma once

#include <windows.h>

// The window procedure of the class.
LRESULT CALLBACK HostUpDownProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam);
