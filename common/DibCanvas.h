// A 32-bit top-down DIB section selected into a device context of its own:
// what the screen is read into, and what a control paints into off-screen.
#pragma once

#include <windows.h>

#include <cstdint>
#include <optional>

#include "common/GdiOwners.h"

class DibCanvas {
public:
    DibCanvas(int width, int height) : dc(nullptr), width(width), height(height)
    {
        BITMAPINFO info{};
        info.bmiHeader.biSize = sizeof info.bmiHeader;
        info.bmiHeader.biWidth = width;
        info.bmiHeader.biHeight = -height;
        info.bmiHeader.biPlanes = 1;
        info.bmiHeader.biBitCount = 32;
        info.bmiHeader.biCompression = BI_RGB;
        bitmap.reset(CreateDIBSection(nullptr, &info, DIB_RGB_COLORS, &bits, nullptr, 0));
        selected.emplace(dc.get(), bitmap.get());
    }
    DibCanvas(const DibCanvas&) = delete;
    DibCanvas& operator=(const DibCanvas&) = delete;

    // Whether the bitmap and its device context could be made.
    explicit operator bool() const { return dc.get() && bitmap; }
    HDC Dc() const { return dc.get(); }
    std::uint8_t* Bits() const { return bitmap ? static_cast<std::uint8_t*>(bits) : nullptr; }
    int Width() const { return width; }
    int Height() const { return height; }

private:
    MemoryDc dc;
    GdiObject<HBITMAP> bitmap;
    void* bits = nullptr;
    int width;
    int height;
    std::optional<SelectedObject> selected;
};
