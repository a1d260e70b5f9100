// The layout bridge of the picker dialog: when the client area changes size
// it moves and stretches every child window by the rules of LayoutRules.h,
// and it keeps the window from being made smaller than its minimum tracking
// size (by default, the size it had when the layout was recorded).
#pragma once

#include <windows.h>

#include <memory>
#include <vector>

#include "color/LayoutRules.h"

class CCBridg_base {
public:
    virtual ~CCBridg_base() = default;
    virtual void SetWindow(HWND dialog) = 0;
    // Records every control's rectangle and the client size as the layout's
    // starting point, and the window size as the minimum tracking size.
    virtual void Init() = 0;
    // WM_SIZE and WM_GETMINMAXINFO; false for any other message or without a
    // window.
    virtual bool ProcessMessage(HWND window, UINT message, WPARAM wParam, LPARAM lParam) = 0;
    // Answers the minimum tracking size (-1, -1: none), after storing
    // `newSize` when one is given.
    virtual SIZE MinTrackSize(const SIZE* newSize) = 0;
};

class CResizeLayout;

class CCBridg final : public CCBridg_base {
public:
    CCBridg();
    ~CCBridg() override;
    void SetWindow(HWND dialog) override;
    void Init() override;
    bool ProcessMessage(HWND window, UINT message, WPARAM wParam, LPARAM lParam) override;
    SIZE MinTrackSize(const SIZE* newSize) override;

private:
    std::unique_ptr<CResizeLayout> layout;
};

// A new bridge, or null when memory is short (the dialog then keeps its layout).
std::unique_ptr<CCBridg_base> CreateLayoutBridge();
