#include "color/HueWalker.h"

#include <cmath>

HueWalker::HueWalker(float high, float low, int lineLength)
    : hi(high), lo(low), sectorLength(static_cast<float>(lineLength - 1) / 6.0f),
      step((high - low) / sectorLength), color{high, low, low}
{
}

void HueWalker::Step(int i)
{
    switch (sector) {
    case 1:
        color = {hi, color.y + step, lo};
        break;
    case 2:
        color = {color.x - step, hi, lo};
        break;
    case 3:
        color = {lo, hi, color.z + step};
        break;
    case 4:
        color = {lo, color.y - step, hi};
        break;
    case 5:
        color = {color.x + step, lo, hi};
        break;
    case 6:
        color = {hi, lo, color.z - step};
        break;
    default:
        break;
    }
    const float sectorEnd = std::floor(sectorLength * static_cast<float>(sector));
    if (sectorEnd <= static_cast<float>(i)) {
        ++sector;
        color.Limit(lo, hi);
    }
}
