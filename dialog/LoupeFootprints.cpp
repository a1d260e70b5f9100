#include "dialog/LoupeFootprints.h"

#include <utility>

void LoupeFootprints::Add(const ScreenBox& where, std::vector<CRGBA> shown, std::vector<CRGBA> beneath)
{
    const auto size = static_cast<std::size_t>(where.width > 0 && where.height > 0 ? where.width * where.height : 0);
    if (size == 0 || shown.size() != size || beneath.size() != size)
        return;
    footprints.push_front({where, std::move(shown), std::move(beneath)});
    if (footprints.size() > kKept)
        footprints.pop_back();
}

CRGBA LoupeFootprints::Beneath(int x, int y, CRGBA read) const
{
    for (const Footprint& footprint : footprints) {
        if (!footprint.where.Contains(x, y))
            continue;
        const auto at = static_cast<std::size_t>((y - footprint.where.top) * footprint.where.width +
                                                 (x - footprint.where.left));
        if (footprint.shown[at].ColorRef() == read.ColorRef())
            return footprint.beneath[at];
    }
    return read;
}
