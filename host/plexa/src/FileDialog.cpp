#include "host/plexa/src/FileDialog.h"

#include <commdlg.h>

#include <algorithm>
#include <string>

#include "host/plexa/src/FileDialogFilter.h"
#include "plexa/Win32Text.h"

namespace {

constexpr int kPathUnits = 1024;

} // namespace

bool ShowCommonFileDialog(HWND owner, char16_t* path, const char16_t* filter, bool save)
{
    if (!path)
        return false;
    const FileDialogFilter parsed = ParseFileDialogFilter(filter ? filter : u"");
    const std::u16string proposed(path, std::char_traits<char16_t>::length(path));

    // A folder opens the dialog there; a file name is proposed in its folder.
    std::u16string folder;
    std::u16string file;
    const DWORD attributes = GetFileAttributesW(AsWide(proposed.c_str()));
    if (attributes != INVALID_FILE_ATTRIBUTES && (attributes & FILE_ATTRIBUTE_DIRECTORY)) {
        folder = proposed;
    } else {
        const auto separator = proposed.find_last_of(u"\\/");
        folder = separator == std::u16string::npos ? u"" : proposed.substr(0, separator);
        file = separator == std::u16string::npos ? proposed : proposed.substr(separator + 1);
    }

    wchar_t chosen[kPathUnits] = {};
    file.copy(AsUtf16(chosen), kPathUnits - 1);
    OPENFILENAMEW dialog{};
    dialog.lStructSize = sizeof dialog;
    dialog.hwndOwner = owner;
    dialog.lpstrFilter = parsed.pairs.size() > 1 ? AsWide(parsed.pairs.c_str()) : nullptr;
    dialog.nFilterIndex = 1;
    dialog.lpstrFile = chosen;
    dialog.nMaxFile = kPathUnits;
    dialog.lpstrInitialDir = folder.empty() ? nullptr : AsWide(folder.c_str());
    dialog.lpstrTitle = parsed.title.empty() ? nullptr : AsWide(parsed.title.c_str());
    // No default extension: a name typed without one is kept as typed, and
    // the palette writers treat it as a GIMP palette.
    dialog.Flags = OFN_EXPLORER | OFN_HIDEREADONLY | OFN_PATHMUSTEXIST | OFN_NOCHANGEDIR |
                   (save ? OFN_OVERWRITEPROMPT : OFN_FILEMUSTEXIST);
    const BOOL ok = save ? GetSaveFileNameW(&dialog) : GetOpenFileNameW(&dialog);
    if (!ok)
        return false;
    const std::u16string result = AsUtf16(chosen);
    result.copy(path, kPathUnits - 1);
    path[std::min<std::size_t>(result.size(), kPathUnits - 1)] = 0;
    return true;
}
