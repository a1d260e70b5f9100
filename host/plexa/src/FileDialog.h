// The common open and save dialogs behind the core object's ShowFileDialog.
#pragma once

#include <windows.h>

// path: 1024 units; on entry a folder or a proposed file, on success the
// chosen file. filter: the host's "title|description|patterns|..." text.
bool ShowCommonFileDialog(HWND owner, char16_t* path, const char16_t* filter, bool save);
