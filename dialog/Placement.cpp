#include "dialog/Placement.h"

#include <algorithm>
#include <climits>
#include <cmath>

namespace {

float Fraction(float value) { return std::isnan(value) ? 0.5f : std::clamp(value, 0.0f, 1.0f); }

int Within(int value, int low, int high) { return std::clamp(value, low, std::max(low, high)); }

bool Overlaps(const WindowPlacement& window, const DesktopRect& area)
{
    return window.left < area.right && area.left < window.left + window.width && window.top < area.bottom &&
           area.top < window.top + window.height;
}

// How far apart on one axis two spans are: 0 when they touch or overlap.
long long Gap(int start, int end, int areaStart, int areaEnd)
{
    return std::max({0LL, static_cast<long long>(areaStart) - end, static_cast<long long>(start) - areaEnd});
}

long long SquaredDistance(const WindowPlacement& window, const DesktopRect& area)
{
    const long long dx = Gap(window.left, window.left + window.width, area.left, area.right);
    const long long dy = Gap(window.top, window.top + window.height, area.top, area.bottom);
    return dx * dx + dy * dy;
}

} // namespace

WindowPlacement PlacementFromSettings(float x, float y, PlacementSize stored, PlacementSize desktop,
                                      PlacementSize templateSize, PlacementSize minimum, PlacementSize largest,
                                      bool compact, int compactCut)
{
    const int centerX = static_cast<int>(static_cast<float>(desktop.width) * Fraction(x));
    const int centerY = static_cast<int>(static_cast<float>(desktop.height) * Fraction(y));
    PlacementSize size = templateSize;
    // A size written by hand may be below what the layout needs or beyond
    // every screen: it is brought within those limits.
    if (stored.width > 0 && stored.height > 0)
        size = {Within(stored.width, minimum.width, largest.width),
                Within(stored.height, minimum.height, largest.height)};
    WindowPlacement placement{centerX - size.width / 2, centerY - size.height / 2, size.width, size.height};
    if (compact)
        placement.width -= compactCut;
    return placement;
}

StoredPlacement PlacementToSettings(const WindowPlacement& window, PlacementSize desktop, bool compact, int compactCut)
{
    StoredPlacement stored;
    stored.width = window.width + (compact ? compactCut : 0);
    stored.height = window.height;
    if (desktop.width > 0)
        stored.x = static_cast<float>(window.left + stored.width / 2) / static_cast<float>(desktop.width);
    if (desktop.height > 0)
        stored.y = static_cast<float>(window.top + stored.height / 2) / static_cast<float>(desktop.height);
    return stored;
}

WindowPlacement KeepOnAWorkArea(const WindowPlacement& window, const std::vector<DesktopRect>& workAreas)
{
    const DesktopRect* nearest = nullptr;
    for (const DesktopRect& area : workAreas) {
        if (Overlaps(window, area))
            return window;
        if (!nearest || SquaredDistance(window, area) < SquaredDistance(window, *nearest))
            nearest = &area;
    }
    if (!nearest)
        return window;
    WindowPlacement moved = window;
    moved.left = std::max(nearest->left, std::min(window.left, nearest->right - window.width));
    moved.top = std::max(nearest->top, std::min(window.top, nearest->bottom - window.height));
    return moved;
}

namespace {

// The loupe's start along one direction: `gap` past the hot spot, or before
// it where it would end past the monitor's end.
int LoupeStart(int hotSpot, int size, int monitorStart, int monitorEnd)
{
    constexpr int gap = 15;
    int start = hotSpot + gap;
    if (start + size > monitorEnd)
        start = hotSpot - gap - size;
    return std::max(monitorStart, std::min(start, monitorEnd - size));
}

} // namespace

WindowPlacement LoupePlace(int x, int y, int width, int height, const std::vector<DesktopRect>& monitors)
{
    const WindowPlacement hotSpot{x, y, 1, 1};
    const DesktopRect* nearest = nullptr;
    for (const DesktopRect& each : monitors) {
        if (Overlaps(hotSpot, each)) {
            nearest = &each;
            break;
        }
        if (!nearest || SquaredDistance(hotSpot, each) < SquaredDistance(hotSpot, *nearest))
            nearest = &each;
    }
    const DesktopRect monitor = nearest ? *nearest : DesktopRect{INT_MIN / 2, INT_MIN / 2, INT_MAX / 2, INT_MAX / 2};
    return {LoupeStart(x, width, monitor.left, monitor.right), LoupeStart(y, height, monitor.top, monitor.bottom),
            width, height};
}
