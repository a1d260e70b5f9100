// The pure string work on paths: the file-name part and the parent folder.
// Separators are '\' and '/'; ':' also ends the folder part of a file name.
#pragma once

// Index of the first character of the file-name part: just after the last
// '\', '/' or ':' (C:\a\b.gpl gives 5, C:b.gpl gives 2, b.gpl gives 0, a
// path ending in a separator gives its length). 0 for null or empty.
int GetFileNameOffset(const char16_t* path);

// The path up to its last separator, without it, into output (size in
// units): C:\x\y and C:\x\ both give C:\x. False, with an empty output, when
// there is no separator after the first character (name, \name), for a null
// or empty path, and when the parent does not fit.
bool GetParentDir(const char16_t* path, char16_t* output, int outputSize);
