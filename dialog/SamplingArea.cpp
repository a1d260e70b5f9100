#include "dialog/SamplingArea.h"

#include <algorithm>

int SampleSpan(bool control, bool shift) { return control ? (shift ? 5 : 3) : 1; }

CRGBA MeanColor(const std::vector<CRGBA>& pixels)
{
    if (pixels.empty())
        return CRGBA(0xFFFFFFFF);
    const auto count = static_cast<unsigned>(pixels.size());
    unsigned sums[3] = {};
    for (const CRGBA pixel : pixels)
        for (int i = 0; i < 3; ++i)
            sums[i] += pixel.Byte(i);
    const auto mean = [&](int i) { return static_cast<std::uint8_t>((sums[i] + count / 2) / count); };
    return CRGBA::FromBytes(mean(0), mean(1), mean(2));
}

CRGBA SampledColor(const std::vector<CRGBA>& square, const ScreenBox& where, int span, const ScreenBox& screen)
{
    std::vector<CRGBA> pixels;
    if (square.size() != static_cast<std::size_t>(where.width) * static_cast<std::size_t>(where.height))
        return MeanColor(pixels);
    const int middleX = where.width / 2, middleY = where.height / 2;
    for (int y = std::max(0, middleY - span / 2); y <= std::min(where.height - 1, middleY + span / 2); ++y)
        for (int x = std::max(0, middleX - span / 2); x <= std::min(where.width - 1, middleX + span / 2); ++x)
            if (screen.Contains(where.left + x, where.top + y))
                pixels.push_back(square[static_cast<std::size_t>(y * where.width + x)]);
    return MeanColor(pixels);
}
