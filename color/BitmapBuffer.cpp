#include "color/BitmapBuffer.h"

namespace {

constexpr LONG kPixelsPerMeter = 300;

} // namespace

BITMAPINFOHEADER BottomUpDibHeader(int width, int height)
{
    BITMAPINFOHEADER header{};
    header.biSize = sizeof header;
    header.biWidth = width;
    header.biHeight = height; // positive: the first row in memory is the bottom one
    header.biPlanes = 1;
    header.biBitCount = 24;
    header.biCompression = BI_RGB;
    header.biXPelsPerMeter = kPixelsPerMeter;
    header.biYPelsPerMeter = kPixelsPerMeter;
    return header;
}

bool CBitmapBuffer::Create(int newWidth, int newHeight)
{
    bitmap.reset();
    bits = nullptr;
    width = height = 0;
    if (newWidth <= 0 || newHeight <= 0)
        return false;
    BITMAPINFO info{};
    info.bmiHeader = BottomUpDibHeader(newWidth, newHeight);
    const WindowDc screen(nullptr);
    void* pixels = nullptr;
    bitmap.reset(CreateDIBSection(screen.get(), &info, DIB_RGB_COLORS, &pixels, nullptr, 0));
    if (!bitmap || !pixels) {
        bitmap.reset();
        return false;
    }
    bits = static_cast<std::uint8_t*>(pixels);
    width = newWidth;
    height = newHeight;
    return true;
}

PixelView CBitmapBuffer::View() const
{
    if (!bits)
        return {};
    return {bits, width, height, DibStride(width)};
}
