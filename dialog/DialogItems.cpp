#include "dialog/DialogItems.h"

#include "common/DialogItem.h"
#include "plexa/Win32Text.h"
#include "plexa/jx_CORE.h"
#include "module/ModuleState.h"

namespace {

constexpr int kFieldTextUnits = 100;

} // namespace

void SetItemText(HWND dialog, int id, const char16_t* text)
{
    HWND item = DialogItem(dialog, id);
    if (!item)
        return;
    // Setting a field's text costs a redraw and a change notification; a
    // text that is already there is left alone (a slider drag changes a
    // few of the nine color fields, not all of them).
    wchar_t present[kFieldTextUnits] = {};
    if (GetWindowTextW(item, present, kFieldTextUnits) < kFieldTextUnits - 1 &&
        AsUtf16(present) == std::u16string(text))
        return;
    if (HostObject)
        HostObject->SetControlText(item, text);
    else
        SetWindowTextW(item, AsWide(text));
}

std::u16string ItemText(HWND dialog, int id)
{
    char16_t text[kFieldTextUnits] = {};
    HWND item = DialogItem(dialog, id);
    if (item && HostObject)
        HostObject->GetControlText(item, text, kFieldTextUnits);
    else if (item)
        GetWindowTextW(item, AsWide(text), kFieldTextUnits);
    text[kFieldTextUnits - 1] = 0;
    return text;
}

jx_TOOLBAR* ToolbarOf(HWND dialog, int id)
{
    HWND window = DialogItem(dialog, id);
    return window ? reinterpret_cast<jx_TOOLBAR*>(GetWindowLongPtrW(window, 0)) : nullptr;
}

RECT ItemRect(HWND dialog, int id)
{
    RECT rect{};
    HWND item = DialogItem(dialog, id);
    if (item && GetWindowRect(item, &rect))
        MapWindowPoints(nullptr, dialog, reinterpret_cast<POINT*>(&rect), 2);
    return rect;
}

void CheckRadioItem(HWND dialog, int first, int last, int checked)
{
    for (int id = first; id <= last; ++id)
        if (HWND button = DialogItem(dialog, id))
            SendMessageW(button, BM_SETCHECK, id == checked ? BST_CHECKED : BST_UNCHECKED, 0);
}

bool IsPointInDlgItem(HWND dialog, int id, int x, int y)
{
    const RECT rect = ItemRect(dialog, id);
    const POINT point{x, y};
    return PtInRect(&rect, point) != FALSE;
}

bool IsEditWindow(HWND window)
{
    constexpr int kClassNameUnits = 40;
    wchar_t className[kClassNameUnits + 1] = {};
    return window && GetClassNameW(window, className, kClassNameUnits + 1) && lstrcmpiW(className, L"edit") == 0;
}
