// The dialog procedure of the picker dialog (template 101).
#pragma once

#include <windows.h>

// lParam of WM_INITDIALOG is the run's CCltPiker.
INT_PTR CALLBACK PickerDialogProc(HWND dialog, UINT message, WPARAM wParam, LPARAM lParam);
