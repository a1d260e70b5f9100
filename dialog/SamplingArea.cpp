#include "dialog/SamplingArea.h"

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
