// The pure string work on paths: finding the file-name part.
#pragma once

// Index of the first character of the file-name part: just after the last
// '\', '/' or ':' (C:\a\b.gpl gives 5, C:b.gpl gives 2, b.gpl gives 0, a
// path ending in a separator gives its length). 0 for null or empty.
int GetFileNameOffset(const char16_t* path);
