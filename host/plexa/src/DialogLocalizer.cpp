#include "host/plexa/src/DialogLocalizer.h"

#include "common/NoThrowBoundary.h"
#include "plexa/Win32Text.h"

namespace {

void LocalizeWindow(const TextTable& texts, HWND window)
{
    // An image static's text names its picture ("#109" is bitmap 109), not a text.
    const LONG_PTR style = GetWindowLongPtrW(window, GWL_STYLE);
    wchar_t className[16] = {};
    GetClassNameW(window, className, 16);
    const LONG_PTR imageType = style & SS_TYPEMASK;
    if (lstrcmpiW(className, L"Static") == 0 &&
        (imageType == SS_BITMAP || imageType == SS_ICON || imageType == SS_ENHMETAFILE))
        return;
    wchar_t text[16] = {};
    GetWindowTextW(window, text, 16);
    const int id = PlaceholderTextId(AsUtf16(text));
    if (id < 0)
        return;
    // A number the table lacks keeps its placeholder, which shows the gap;
    // an empty entry empties the text.
    if (const char16_t* localized = texts.Find(id))
        SetWindowTextW(window, AsWide(localized));
}

BOOL CALLBACK LocalizeChild(HWND child, LPARAM texts)
{
    return CallWithoutThrowing<BOOL>(TRUE, [&] {
        LocalizeWindow(*reinterpret_cast<const TextTable*>(texts), child);
        return TRUE;
    });
}

} // namespace

void LocalizeDialogTexts(const TextTable& texts, HWND dialog)
{
    if (!dialog)
        return;
    LocalizeWindow(texts, dialog);
    EnumChildWindows(dialog, LocalizeChild, reinterpret_cast<LPARAM>(&texts));
}
