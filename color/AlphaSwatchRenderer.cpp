#include <algorithm>
#include <cmath>
#include <cstring>

#include "color/ByteConversion.h"
#include "color/GradientRenderers.h"

namespace {

// pi + 1: the wave's period is 2 pi (pi + 1) rows.
constexpr double kWavePeriodDivisor = 4.141592653589793;
constexpr float kWaveAmplitude = 2.7f;

// First blended column of row r (counted across both swatches).
int WaveSplit(int r, int width)
{
    const double split = std::sin(r / kWavePeriodDivisor) * kWaveAmplitude + width / 9.5 + width * 0.5;
    return std::clamp(static_cast<int>(split), 0, width);
}

} // namespace

void RenderAlphaSwatch(const PixelView& view, CRGBA color, bool lower, const Checkerboard& board)
{
    if (!view.IsUsable() || board.cell <= 0)
        return;
    const float a = color.Alpha() / 255.0f;
    const double opacity = a;
    const double transparency = 1.0f - a;
    const std::uint8_t* lastRow = nullptr;
    int lastSplit = -1;
    int lastParity = -1;
    for (int y = 0; y < view.height; ++y) {
        const int r = lower ? y + view.height : y;
        const int split = WaveSplit(r, view.width);
        const int parity = (r / board.cell) & 1;
        std::uint8_t* row = view.RowFromTop(y);
        if (split == lastSplit && parity == lastParity) {
            std::memcpy(row, lastRow, static_cast<std::size_t>(view.width) * 3);
            continue;
        }
        FillPixels(row, split, color);
        CheckerCursor checker(board, split, r);
        for (int x = split; x < view.width; ++x, checker.Next()) {
            const CRGBA k = checker.Color();
            std::uint8_t* pixel = row + 3 * x;
            pixel[0] = TruncToWrappedByte(k.Blue() * transparency + color.Blue() * opacity);
            pixel[1] = TruncToWrappedByte(k.Green() * transparency + color.Green() * opacity);
            pixel[2] = TruncToWrappedByte(k.Red() * transparency + color.Red() * opacity);
        }
        lastRow = row;
        lastSplit = split;
        lastParity = parity;
    }
}
