// Where palettes live: the user's palette folder ("Palettes" in the host's
// per-user folder, made when missing) and the palette folder (the host's
// own palette folder when it exists, else the user's). Paths end with a
// separator; empty when the host names no folder.
#pragma once

#include <string>

std::u16string UserPaletteFolder();
std::u16string PaletteFolder();
// Something (a file, a folder) is at the palette folder followed by name.
bool PaletteFileExists(const std::u16string& name);
// Writes a module resource ("TYPE|NAME") to path unless something is there
// already: an existing file is never overwritten.
void CopyResourceToFile(const char16_t* reference, const std::u16string& path);
