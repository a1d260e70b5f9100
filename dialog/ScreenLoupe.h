// The loupe beside the pointer while picking from the screen, and reading
// the screen without it. All points and sizes are physical screen pixels:
// call it inside a PhysicalPixelScope.
#pragma once

#include <windows.h>

#include <memory>
#include <optional>
#include <vector>

#include "color/BitmapBuffer.h"
#include "color/ColorTypes.h"
#include "common/GdiOwners.h"
#include "dialog/LoupeFootprints.h"
#include "dialog/Placement.h"

class DibCanvas;

// The screens as a pick finds them when it starts: asking the system on
// every move costs more than the rest of the move under Wine.
struct ScreenLayout {
    // Where there is anything to read; a pick outside it takes white.
    ScreenBox readable;
    std::vector<DesktopRect> monitors;
};
ScreenLayout CurrentScreenLayout();
// The screen as far as it can be read: the virtual screen's rectangle.
ScreenBox ReadableScreen();

class ScreenLoupe {
public:
    ScreenLoupe();
    ScreenLoupe(const ScreenLoupe&) = delete;
    ScreenLoupe& operator=(const ScreenLoupe&) = delete;
    ~ScreenLoupe();

    // The screen's pixels in `box`, row by row from its top left, without
    // the loupe in them; black where there is no screen.
    std::vector<CRGBA> ReadScreen(const ScreenBox& box) const;

    // A pick's move to `hotSpot`: answers the color taken there (the mean
    // of the middle `span` x `span` pixels that are readable, white when
    // none is) and shows the pixels around it beside it, those taken
    // framed and the color below them, over every other window without
    // taking the activation. The window is made the first time, owned by
    // `owner`.
    CRGBA Pick(HWND owner, POINT hotSpot, int span, const ScreenLayout& screens);
    void Hide();
    void Destroy();

    // The last picture, at the top left of dc.
    void ShowPicture(HDC dc) const;

private:
    HWND window = nullptr;
    GdiObject<HFONT> font;
    LoupeFootprints footprints;
    // Kept from move to move: where the screen is read into, and the
    // loupe's picture.
    mutable std::unique_ptr<DibCanvas> screenCanvas;
    CBitmapBuffer picture;
    // The picture selected into a device context of its own, with the font
    // of the color's text, for as long as the loupe lives: making a device
    // context costs more than drawing the whole picture under Wine.
    std::optional<MemoryDc> pictureDc;
    std::optional<SelectedObject> pictureSelected;
    std::optional<SelectedObject> fontSelected;
};
