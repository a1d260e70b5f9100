// Where a renderer draws: 24-bit pixels (blue, green, red) in rows stored
// bottom-up, as in a DIB section. Row y counts from the top of the picture,
// memory row m from the bottom of the buffer (m = height - 1 - y).
#pragma once

#include <cstddef>
#include <cstdint>
#include <cstring>

#include "color/ColorTypes.h"

struct PixelView {
    std::uint8_t* bits = nullptr;
    int width = 0;
    int height = 0;
    // Bytes from one memory row to the next.
    int stride = 0;

    // Renderers draw nothing into a view that is empty or whose rows are too
    // short for its width.
    bool IsUsable() const { return bits && width > 0 && height > 0 && static_cast<long long>(stride) >= 3LL * width; }
    std::uint8_t* MemoryRow(int m) const { return bits + static_cast<std::ptrdiff_t>(m) * stride; }
    std::uint8_t* RowFromTop(int y) const { return MemoryRow(height - 1 - y); }
};

// The row size of a 24-bit DIB: whole 32-bit words.
constexpr int DibStride(int width) { return ((width * 24 + 31) / 32) * 4; }

inline void PutPixel(std::uint8_t* pixel, CRGBA color)
{
    pixel[0] = color.Blue();
    pixel[1] = color.Green();
    pixel[2] = color.Red();
}

// Fills count pixels from pixel on with one color.
inline void FillPixels(std::uint8_t* pixel, int count, CRGBA color)
{
    if (count <= 0)
        return;
    // Four pixels make twelve bytes that repeat: short rows take fixed-size
    // copies of them, long rows then double what is filled with each copy.
    std::uint8_t pattern[12];
    for (int i = 0; i < 4; ++i)
        PutPixel(pattern + 3 * i, color);
    const int start = count < 16 ? count : 16;
    int i = 0;
    for (; i + 4 <= start; i += 4)
        std::memcpy(pixel + 3 * i, pattern, sizeof pattern);
    for (; i < start; ++i)
        PutPixel(pixel + 3 * i, color);
    std::size_t filled = static_cast<std::size_t>(start) * 3;
    const std::size_t total = static_cast<std::size_t>(count) * 3;
    while (filled < total) {
        const std::size_t chunk = filled < total - filled ? filled : total - filled;
        std::memcpy(pixel + filled, pixel, chunk);
        filled += chunk;
    }
}

// Copies the row at memory row `from` to every other memory row.
inline void CopyRowToAllOthers(const PixelView& view, int from)
{
    const std::uint8_t* source = view.MemoryRow(from);
    for (int m = 0; m < view.height; ++m)
        if (m != from)
            std::memcpy(view.MemoryRow(m), source, static_cast<std::size_t>(view.width) * 3);
}
