// Keys of the picker dialog that its controls would otherwise take: Ctrl+C
// outside the edit fields, and the keys that steer a pick from the screen.
// A message filter hook sees them first: the modal loop of a dialog calls it
// with every message before it dispatches it. One hook per dialog run,
// removed when its owner goes.
#pragma once

#include <windows.h>

#include <functional>

class DialogKeyFilter {
public:
    DialogKeyFilter() = default;
    DialogKeyFilter(const DialogKeyFilter&) = delete;
    DialogKeyFilter& operator=(const DialogKeyFilter&) = delete;
    ~DialogKeyFilter();

    // From now on, key messages to `dialog` or its children go to `handle`
    // first; a message it answers true for goes no further.
    void Start(HWND dialog, std::function<bool(const MSG&)> handle);

private:
    static LRESULT CALLBACK FilterMessage(int code, WPARAM wParam, LPARAM lParam);
    bool Handles(const MSG& message) const;

    HHOOK hook = nullptr;
    HWND dialog = nullptr;
    std::function<bool(const MSG&)> handle;
};
