// The picker dialog's keyboard and mouse messages before its controls see
// them: the keys its controls would otherwise take (Ctrl+C outside the edit
// fields, the keys that steer a pick from the screen), and the pointer's
// moves and clicks that its tooltip must hear. A message filter hook sees
// them first: the modal loop of a dialog calls it with every message before
// it dispatches it. One hook per dialog run, removed when its owner goes.
#pragma once

#include <windows.h>

#include <functional>

class DialogInputFilter {
public:
    DialogInputFilter() = default;
    DialogInputFilter(const DialogInputFilter&) = delete;
    DialogInputFilter& operator=(const DialogInputFilter&) = delete;
    ~DialogInputFilter();

    // From now on, key messages to `dialog` or its children go to `onKey`
    // first, and a message it answers true for goes no further; mouse
    // messages to them are shown to `onMouse` and then go on.
    void Start(HWND dialog, std::function<bool(const MSG&)> onKey, std::function<void(const MSG&)> onMouse);

private:
    static LRESULT CALLBACK FilterMessage(int code, WPARAM wParam, LPARAM lParam);
    bool Handles(const MSG& message) const;

    HHOOK hook = nullptr;
    HWND dialog = nullptr;
    std::function<bool(const MSG&)> onKey;
    std::function<void(const MSG&)> onMouse;
};
