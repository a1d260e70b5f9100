// Where the picker's window goes, and what is stored of where it was: the
// window's center as fractions of the desktop, and the full layout's size
// (the compact window is narrower by the cut, and stored at full width).
#pragma once

#include <vector>

struct PlacementSize {
    int width = 0;
    int height = 0;
};

struct WindowPlacement {
    int left = 0;
    int top = 0;
    int width = 0;
    int height = 0;
};

// From stored values: x and y are clamped to 0..1 (a value that is not a
// number counts as the middle); a stored size of 0 (or less) in either
// direction takes `templateSize` whole, any other is kept within `minimum`
// and `largest`. The window is centered on its point with its full width;
// in compact mode it is then `compactCut` narrower.
WindowPlacement PlacementFromSettings(float x, float y, PlacementSize stored, PlacementSize desktop,
                                      PlacementSize templateSize, PlacementSize minimum, PlacementSize largest,
                                      bool compact, int compactCut);

struct StoredPlacement {
    float x = 0.5f;
    float y = 0.5f;
    int width = 0;
    int height = 0;
};

// What the window as it is now is stored as: its full width, and its center
// (left + width / 2, rounded toward zero) over the desktop's size.
StoredPlacement PlacementToSettings(const WindowPlacement& window, PlacementSize desktop, bool compact, int compactCut);

// A rectangle of the desktop, right and bottom exclusive.
struct DesktopRect {
    int left = 0;
    int top = 0;
    int right = 0;
    int bottom = 0;
};

// A window placed wholly outside every work area (a hand-written position
// far off the desktop) is moved onto the nearest one: whole where it fits,
// else with its top left corner at the area's. A window with any part on a
// work area stays as placed, and so does every window when there are no
// work areas to go by.
WindowPlacement KeepOnAWorkArea(const WindowPlacement& window, const std::vector<DesktopRect>& workAreas);

// Where the loupe of `width` x `height` goes beside the hot spot (x, y) on
// the hot spot's monitor (the one it is on, else the nearest): 15 pixels
// right of it and below it, on the other side of it in a direction where it
// would cross the monitor's edge, and kept within the monitor all the same
// (its top left corner first, where it is too big). Without monitors, as
// on one without edges.
WindowPlacement LoupePlace(int x, int y, int width, int height, const std::vector<DesktopRect>& monitors);
