#include "color/Checkerboard.h"

namespace {

constexpr CRGBA kWhite{0x00FFFFFF};

} // namespace

Checkerboard CheckerboardFor(int gridMode, CRGBA color1, CRGBA color2, CheckerboardUse use)
{
    switch (gridMode) {
    case 1:
        return {color1, color2, 4};
    case 2:
        return {color1, color2, 8};
    case 3:
        return {color1, color2, 16};
    default:
        return {kWhite, kWhite, use == CheckerboardUse::AlphaSlider ? 1 : 16};
    }
}
