// Small helpers for the dialog's child windows: their texts through the
// host, and the host toolbars behind the toolbar windows.
#pragma once

#include <windows.h>

#include <string>

#include "plexa/jx_TOOLBAR.h"

// Sets a child's text through the host (which keeps the ANSI systems in mind).
void SetItemText(HWND dialog, int id, const char16_t* text);
// A child's text, read through the host into the buffer of 100 units the
// dialog uses for its fields.
std::u16string ItemText(HWND dialog, int id);
// The host toolbar object of a toolbar window, or null when the window holds none.
jx_TOOLBAR* ToolbarOf(HWND dialog, int id);
// A child window's rectangle in the dialog's client coordinates; empty for
// a child that does not exist.
RECT ItemRect(HWND dialog, int id);
// Whether a window is an edit field (class "edit", its first 40 characters
// compared without regard to case).
bool IsEditWindow(HWND window);
// Checks the radio button `checked` of the ids first to last and clears the
// others, with the messages CheckRadioButton sends; Wine's goes through
// every child window of the dialog, a server round trip each.
void CheckRadioItem(HWND dialog, int first, int last, int checked);
// Whether a point in dialog coordinates lies on a child window.
bool IsPointInDlgItem(HWND dialog, int id, int x, int y);
