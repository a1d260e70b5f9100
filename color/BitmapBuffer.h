// The pixel buffer of a windowless control: a bottom-up 24-bit DIB section
// that the renderers fill through a pixel view and the dialog blits. The
// buffer owns its bitmap and deletes it when it is re-created or destroyed.
#pragma once

#include <windows.h>

#include <cstdint>

#include "color/PixelView.h"
#include "common/GdiOwners.h"

class CBitmapBuffer {
public:
    CBitmapBuffer() = default;
    CBitmapBuffer(const CBitmapBuffer&) = delete;
    CBitmapBuffer& operator=(const CBitmapBuffer&) = delete;
    virtual ~CBitmapBuffer() = default;

    // Replaces the bitmap by a new one of the given size. On failure (or a
    // size below one pixel) the buffer is left empty: `bits` is null.
    bool Create(int width, int height);
    // Where a renderer draws; an empty view while there is no bitmap.
    PixelView View() const;
    HBITMAP Bitmap() const { return bitmap.get(); }

    std::uint8_t* bits = nullptr;

private:
    GdiObject<HBITMAP> bitmap;
    int width = 0;
    int height = 0;
};

// The bitmap header every picker buffer uses: 24 bits, bottom-up rows.
BITMAPINFOHEADER BottomUpDibHeader(int width, int height);
