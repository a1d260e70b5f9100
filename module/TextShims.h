// Win32 calls that take text, for every Windows the module runs on: the wide
// form on the NT family, the ANSI form (text converted to the ANSI code
// page) elsewhere. Paths of 256 units or more are refused: no call here
// copies one into a fixed buffer.
#pragma once

#include <windows.h>

// item is an id or a submenu; text a UTF-16 text, or a value of 0xFFFF or
// less (no text) passed on unchanged.
BOOL AppendMenuAW(HMENU menu, UINT flags, UINT_PTR item, const char16_t* text);
// INVALID_FILE_ATTRIBUTES for a missing or refused path.
DWORD GetFileAttributesAW(const char16_t* path);
BOOL CreateDirectoryAW(const char16_t* path, SECURITY_ATTRIBUTES* security);
// True for an existing folder; false for a file or a missing path.
bool IsDirectoryPath(const char16_t* path);
// Creates the folder and every missing parent; true when it exists at the end.
bool CreateDirectoryPath(const char16_t* path);

// The longest path the shims take, in units without the terminator.
constexpr int kMaxShimPath = 255;
