// Prints the time each gradient renderer takes per pixel, at the dialog's
// control sizes (96 DPI) and at 1024 x 1024, next to a memset of the same
// buffer: the distance to the memory limit.
#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstring>
#include <functional>
#include <string>
#include <vector>

#include "color/GradientRenderers.h"
#include "color/HsvConversion.h"

namespace {

using Clock = std::chrono::steady_clock;

// Best time of one call in nanoseconds, over batches of at least 20 ms.
double BestNanoseconds(const std::function<void()>& work)
{
    int calls = 1;
    for (;;) {
        const auto start = Clock::now();
        for (int i = 0; i < calls; ++i)
            work();
        if (Clock::now() - start >= std::chrono::milliseconds(20))
            break;
        calls *= 2;
    }
    double best = 1e300;
    for (int batch = 0; batch < 5; ++batch) {
        const auto start = Clock::now();
        for (int i = 0; i < calls; ++i)
            work();
        const std::chrono::duration<double, std::nano> elapsed = Clock::now() - start;
        best = std::min(best, elapsed.count() / calls);
    }
    return best;
}

struct Size {
    int width;
    int height;
};

void Measure(const char* name, Size size, const std::function<void(const PixelView&)>& render)
{
    const int stride = DibStride(size.width);
    std::vector<std::uint8_t> buffer(static_cast<std::size_t>(stride) * size.height);
    const PixelView view{buffer.data(), size.width, size.height, stride};
    const double pixels = static_cast<double>(size.width) * size.height;
    const double renderNs = BestNanoseconds([&] { render(view); });
    const double memsetNs = BestNanoseconds([&] {
        std::memset(buffer.data(), static_cast<int>(buffer[0]) + 1, buffer.size());
        asm volatile("" : : "r"(buffer.data()) : "memory");
    });
    std::printf("%-22s %5d x %-5d %9.3f ns/px %9.3f ns/px %7.1fx\n", name, size.width, size.height, renderNs / pixels,
                memsetNs / pixels, renderNs / memsetNs);
}

} // namespace

int main()
{
    const Checkerboard board = CheckerboardFor(1, CRGBA(0x00FFFFFF), CRGBA(0x00F8E0CC), CheckerboardUse::AlphaSlider);
    const Checkerboard swatchBoard = CheckerboardFor(1, CRGBA(0x00FFFFFF), CRGBA(0x00F8E0CC), CheckerboardUse::Swatch);
    const Size slider{180, 16};
    const Size strip{17, 210};
    const Size field{219, 210};
    const Size swatch{92, 41};
    const Size large{1024, 1024};

    std::printf("%-22s %13s %15s %15s %8s\n", "renderer", "size", "render", "memset", "ratio");
    for (const Size size : {slider, large}) {
        Measure("two-color slider", size, [](const PixelView& v) { RenderTwoColorSlider(v, CRGBA(0), CRGBA(0xFF)); });
        Measure("hue slider", size, [](const PixelView& v) { RenderHueSlider(v, CHSV::FromParts(0, 80, 90)); });
        Measure("alpha slider", size,
                [&](const PixelView& v) { RenderAlphaSlider(v, CRGBA(0), CRGBA(0x336699), board); });
    }
    for (const Size size : {strip, large}) {
        Measure("two-color strip", size, [](const PixelView& v) { RenderTwoColorStrip(v, CRGBA(0xFF00), CRGBA(0)); });
        Measure("hue strip", size, [](const PixelView& v) { RenderHueStrip(v); });
    }
    const CRGBA pureHue = HsvToRgb(CHSV::FromParts(211, 100, 100));
    for (const Size size : {field, large}) {
        Measure("red/green/blue field", size,
                [](const PixelView& v) { RenderRgbField(v, CRGBA(0), CRGBA(0xFF0000), CRGBA(0xFF00), CRGBA(0x7B)); });
        Measure("saturation/value field", size, [&](const PixelView& v) { RenderSaturationValueField(v, pureHue); });
        Measure("hue-across field", size,
                [](const PixelView& v) { RenderHueAcrossField(v, CRGBA(0x404040), CHSV::FromParts(0, 100, 63)); });
    }
    for (const Size size : {swatch, large})
        Measure("alpha swatch", size,
                [&](const PixelView& v) { RenderAlphaSwatch(v, CRGBA(0x7F3060C0), false, swatchBoard); });
    return 0;
}
