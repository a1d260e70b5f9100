// Ctrl+C in the picker dialog while no edit field has the keyboard focus.
// A dialog's controls take its keys, so they are looked at first in a
// message filter hook, which the modal loop of a dialog calls with every
// message before it dispatches it. One hook per dialog run, removed when
// its owner goes.
#pragma once

#include <windows.h>

#include <functional>

class CopyShortcut {
public:
    CopyShortcut() = default;
    CopyShortcut(const CopyShortcut&) = delete;
    CopyShortcut& operator=(const CopyShortcut&) = delete;
    ~CopyShortcut();

    // From now on, Ctrl+C in `dialog` outside its edit fields calls `copy`.
    void Start(HWND dialog, std::function<void()> copy);

private:
    static LRESULT CALLBACK FilterMessage(int code, WPARAM wParam, LPARAM lParam);
    bool Handles(const MSG& message) const;

    HHOOK hook = nullptr;
    HWND dialog = nullptr;
    std::function<void()> copy;
};
