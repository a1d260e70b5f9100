// The toolbar image sets the host knows by GUID: its own standard set, and
// those modules declare in their command resource (type "JXCOMMANDS", name
// 1), read when the module starts up. The resource is ANSI text, one set per
// line: "{GUID} bitmap image-count image-size", the bitmap named by its
// resource name or number; '#' starts a comment.
// Each bitmap is a strip of square images side by side, 24 bits, magenta
// (255, 0, 255) transparent.
#pragma once

#include <windows.h>
#include <commctrl.h>

#include <string>
#include <string_view>

#include "plexa/jx_GUID.h"

// Reads the sets a module declares; a module without the resource declares none.
void RegisterModuleToolbarImages(HMODULE module);
// A new image list of the set (the caller destroys it), or null for a GUID
// nobody declared.
HIMAGELIST CreateToolbarImageList(const jx_GUID& images);

// One declared set, as a line of the command resource gives it.
struct ToolbarImageSet {
    jx_GUID guid{};
    // A resource number, or 0 when `bitmapName` names it.
    int bitmap = 0;
    std::wstring bitmapName;
    int count = 0;
    int size = 0;
};
// False for a comment, a blank line or a line that is not a set.
bool ParseToolbarImageLine(std::string_view line, ToolbarImageSet& set);
