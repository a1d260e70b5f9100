// Where the loupe has been, what it showed there and what was beneath it.
//
// The loupe is an ordinary window, so what is read from the screen shows
// it, and a system that moves a window may leave its picture behind until
// the window beneath paints again. A pixel read inside a place the loupe
// was, that is exactly what the loupe showed there, is taken as the loupe's
// own and answered with what was beneath it. Where the screen beneath
// really has that color, the answer is the same color read before, so
// nothing is lost by the mistake.
#pragma once

#include <cstddef>
#include <deque>
#include <vector>

#include "color/ColorTypes.h"
#include "dialog/SamplingArea.h"

class LoupeFootprints {
public:
    // Places older than the last this many are forgotten: by then the
    // windows beneath them have long painted again.
    static constexpr std::size_t kKept = 32;

    // The loupe now shows `shown` at `where`, over `beneath`: both row by
    // row from the top left, width x height pixels (a footprint whose
    // pictures are of another size is not kept).
    void Add(const ScreenBox& where, std::vector<CRGBA> shown, std::vector<CRGBA> beneath);

    // The screen pixels read in `box` (row by row from its top left), made
    // what they are without the loupe.
    void TakeOut(const ScreenBox& box, std::vector<CRGBA>& pixels) const;

private:
    struct Footprint {
        ScreenBox where;
        std::vector<CRGBA> shown;
        std::vector<CRGBA> beneath;
    };
    std::deque<Footprint> footprints; // newest first
};
