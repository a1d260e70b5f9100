// A dialog's child window by its id, as GetDlgItem finds it, remembered.
// Under Wine every GetDlgItem asks the server for the dialog's list of
// children (about 30 us), and the picker looks its children up by id some
// two hundred times while it opens, again for every layout, and for each
// field it refills. A remembered window is used only while it is still a
// child of that dialog with that id, which the process can tell without the
// server; a dialog that gives two children one id (the picker's template
// does not) may get the one it first got rather than the first in order.
#pragma once

#include <windows.h>

#include <cstddef>

inline HWND DialogItem(HWND dialog, int id)
{
    struct Remembered {
        HWND dialog;
        int id;
        HWND item;
    };
    // Room for two dialogs' children. Plain data: the module that holds
    // this may be unloaded while its thread goes on, and a thread's variable
    // with a destructor would leave the destructor behind.
    constexpr std::size_t kRemembered = 128;
    thread_local Remembered remembered[kRemembered];
    thread_local std::size_t nextToReplace;
    for (Remembered& entry : remembered) {
        if (entry.dialog != dialog || entry.id != id)
            continue;
        if (IsWindow(entry.item) && GetParent(entry.item) == dialog && GetDlgCtrlID(entry.item) == id)
            return entry.item;
        entry = {};
    }
    HWND item = GetDlgItem(dialog, id);
    if (!item)
        return nullptr;
    // A free place, or one of a dialog that is gone, or else each in turn.
    Remembered* place = nullptr;
    for (Remembered& entry : remembered)
        if (!entry.dialog || !IsWindow(entry.dialog)) {
            place = &entry;
            break;
        }
    if (!place)
        place = &remembered[nextToReplace++ % kRemembered];
    *place = {dialog, id, item};
    return item;
}
