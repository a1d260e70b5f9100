// The layout bridge of the picker dialog: it answers the dialog's minimum
// tracking size. This is its first form; moving and stretching the controls
// when the frame is dragged comes with the layout table.
#pragma once

#include <windows.h>

class CCBridg {
public:
    CCBridg() = default;
    CCBridg(const CCBridg&) = delete;
    CCBridg& operator=(const CCBridg&) = delete;
    virtual ~CCBridg() = default;

    // The dialog it lays out; its size at this moment is the smallest one.
    void SetWindow(HWND dialog);
    SIZE MinTrackSize() const { return minTrackSize; }
    void SetMinTrackSize(SIZE size) { minTrackSize = size; }
    // Handles WM_GETMINMAXINFO; false for any message it leaves alone.
    bool ProcessMessage(UINT message, WPARAM wParam, LPARAM lParam, LRESULT& result);

private:
    SIZE minTrackSize{};
};
