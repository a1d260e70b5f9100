#include "dialog/Placement.h"

#include <algorithm>
#include <cmath>

namespace {

float Fraction(float value) { return std::isnan(value) ? 0.5f : std::clamp(value, 0.0f, 1.0f); }

int Within(int value, int low, int high) { return std::clamp(value, low, std::max(low, high)); }

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
