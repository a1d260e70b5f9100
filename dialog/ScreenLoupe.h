// The loupe beside the pointer while picking from the screen, and reading
// the screen without it. All points and sizes are physical screen pixels:
// call it inside a PhysicalPixelScope.
#pragma once

#include <windows.h>

#include <vector>

#include "color/ColorTypes.h"
#include "common/GdiOwners.h"
#include "dialog/LoupeFootprints.h"

class ScreenLoupe {
public:
    ScreenLoupe() = default;
    ScreenLoupe(const ScreenLoupe&) = delete;
    ScreenLoupe& operator=(const ScreenLoupe&) = delete;
    ~ScreenLoupe() { Destroy(); }

    // The screen's pixels in `box`, row by row from its top left, without
    // the loupe in them; black where there is no screen.
    std::vector<CRGBA> ReadScreen(const ScreenBox& box) const;

    // Shows the pixels around `hotSpot` beside it, the middle `span` x
    // `span` framed and `taken` below them, over every other window
    // without taking the activation; made the first time, owned by `owner`.
    void Show(HWND owner, POINT hotSpot, int span, CRGBA taken);
    void Hide();
    void Destroy();
    HWND Window() const { return window; }

private:
    HWND window = nullptr;
    GdiObject<HFONT> font;
    LoupeFootprints footprints;
};
