#include "color/ControlGeometry.h"

#include <algorithm>

namespace {

// trunc(extent x fraction), kept within 0..extent for any fraction (NaN
// counts as 0).
int Scaled(int extent, float fraction)
{
    const float limited = fraction >= 0.0f ? std::min(fraction, 1.0f) : 0.0f;
    return static_cast<int>(static_cast<float>(extent) * limited);
}

} // namespace

void CControlGeometry::TakeRect(int newLeft, int newTop, int newWidth, int newHeight)
{
    left = newLeft;
    top = newTop;
    if (newWidth != width) {
        width = newWidth;
        flags |= kSizeChanged;
    }
    if (newHeight != height) {
        height = newHeight;
        flags |= kSizeChanged;
    }
    width = std::max(width, 1);
    height = std::max(height, 1);
}

bool CControlGeometry::Contains(int x, int y, int marginX, int marginY) const
{
    return left - marginX <= x && x < left + width + marginX && top - marginY <= y && y < top + height + marginY;
}

float CControlGeometry::FractionAcross(int x) const
{
    const int dx = std::clamp(x - left, 0, width);
    return width > 0 ? static_cast<float>(dx) / static_cast<float>(width) : 0.0f;
}

float CControlGeometry::FractionUp(int y) const
{
    const int dy = std::clamp(top + height - y, 0, height);
    return height > 0 ? static_cast<float>(dy) / static_cast<float>(height) : 0.0f;
}

int CControlGeometry::MarkerColumn(float fraction) const { return left + Scaled(width - 1, fraction); }

int CControlGeometry::MarkerRow(float fraction) const { return top + height - 1 - Scaled(height - 1, fraction); }
