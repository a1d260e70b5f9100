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

void LoupeFootprints::TakeOut(const ScreenBox& box, std::vector<CRGBA>& pixels) const
{
    if (pixels.size() != static_cast<std::size_t>(box.width) * static_cast<std::size_t>(box.height))
        return;
    std::vector<const Footprint*> over;
    for (const Footprint& footprint : footprints) {
        const ScreenBox& where = footprint.where;
        if (where.left < box.left + box.width && box.left < where.left + where.width &&
            where.top < box.top + box.height && box.top < where.top + where.height)
            over.push_back(&footprint);
    }
    if (over.empty())
        return;
    for (int y = box.top; y < box.top + box.height; ++y)
        for (int x = box.left; x < box.left + box.width; ++x) {
            CRGBA& pixel = pixels[static_cast<std::size_t>(y - box.top) * box.width + (x - box.left)];
            for (const Footprint* footprint : over) {
                if (!footprint->where.Contains(x, y))
                    continue;
                const auto at = static_cast<std::size_t>(y - footprint->where.top) * footprint->where.width +
                                (x - footprint->where.left);
                if (footprint->shown[at].ColorRef() == pixel.ColorRef()) {
                    pixel = footprint->beneath[at];
                    break;
                }
            }
        }
}
