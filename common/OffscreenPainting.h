// A control of the system's that paints into an off-screen picture, put on
// the screen with one copy. Drawn straight onto a window, a themed scroll bar
// or toolbar makes Wine look the display's bit depth up on its server again
// for every piece of the theme's images it copies (three round trips each):
// a scroll bar's repaint took twice as long as drawn off-screen. The pixels
// are the same either way.
#pragma once

#include <windows.h>

#include <optional>

#include "common/GdiOwners.h"
#include "common/NoThrowBoundary.h"
#include "common/NonClientArea.h"

class OffscreenPainting {
public:
    OffscreenPainting() = default;
    OffscreenPainting(const OffscreenPainting&) = delete;
    OffscreenPainting& operator=(const OffscreenPainting&) = delete;
    // The control gets its own procedure back if it is still there.
    ~OffscreenPainting() { Release(); }

    // From now on `control` paints off-screen, until it is destroyed. Its
    // user data holds this object, which must outlive its painting.
    void Take(HWND control)
    {
        Release();
        if (!control)
            return;
        window = control;
        SetWindowLongPtrW(control, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(this));
        procedure = reinterpret_cast<WNDPROC>(
            SetWindowLongPtrW(control, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(&OffscreenPainting::Procedure)));
    }

private:
    static LRESULT CALLBACK Procedure(HWND control, UINT message, WPARAM wParam, LPARAM lParam)
    {
        return CallWithoutThrowing<LRESULT>(0, [&] { return OnMessage(control, message, wParam, lParam); });
    }

    static LRESULT OnMessage(HWND control, UINT message, WPARAM wParam, LPARAM lParam)
    {
        auto* self = reinterpret_cast<OffscreenPainting*>(GetWindowLongPtrW(control, GWLP_USERDATA));
        if (!self || self->window != control)
            return DefWindowProcW(control, message, wParam, lParam);
        const WNDPROC procedure = self->procedure;
        switch (message) {
        case WM_ERASEBKGND:
            // The erasing that BeginPaint asks for is done off-screen, with
            // the painting.
            if (self->beginning)
                return 1;
            break;
        case WM_PAINT:
            // A paint into a device context of the caller's own is theirs.
            if (wParam)
                break;
            self->Paint();
            return 0;
        case WM_NCPAINT:
            if (!HasNonClientArea(control))
                return 0;
            break;
        case WM_NCDESTROY:
            self->Release();
            break;
        default:
            break;
        }
        return CallWindowProcW(procedure, control, message, wParam, lParam);
    }

    void Paint()
    {
        beginning = true;
        PaintDc paint(window);
        beginning = false;
        RECT client{};
        GetClientRect(window, &client);
        HDC target = paint.get();
        HDC drawn = Picture(client.right, client.bottom);
        HDC into = drawn ? drawn : target;
        // The picture keeps its device context between paints; the control
        // finds it each time as a new one would be.
        const int saved = SaveDC(into);
        CallWindowProcW(procedure, window, WM_ERASEBKGND, reinterpret_cast<WPARAM>(into), 0);
        CallWindowProcW(procedure, window, WM_PAINT, reinterpret_cast<WPARAM>(into), 0);
        RestoreDC(into, saved);
        if (drawn)
            BitBlt(target, 0, 0, client.right, client.bottom, drawn, 0, 0, SRCCOPY);
    }

    // The off-screen picture's device context, made anew only when the
    // control changes its size; null when it cannot be made.
    HDC Picture(int width, int height)
    {
        if (width <= 0 || height <= 0)
            return nullptr;
        if (pictureDc && width == pictureWidth && height == pictureHeight)
            return pictureDc->get();
        pictureSelected.reset();
        pictureDc.reset();
        BITMAPINFO format{};
        format.bmiHeader.biSize = sizeof format.bmiHeader;
        format.bmiHeader.biWidth = width;
        format.bmiHeader.biHeight = -height;
        format.bmiHeader.biPlanes = 1;
        format.bmiHeader.biBitCount = 32;
        void* bits = nullptr;
        picture.reset(CreateDIBSection(nullptr, &format, DIB_RGB_COLORS, &bits, nullptr, 0));
        if (!picture)
            return nullptr;
        pictureDc.emplace(nullptr);
        if (!pictureDc->get()) {
            pictureDc.reset();
            return nullptr;
        }
        pictureSelected.emplace(pictureDc->get(), picture.get());
        pictureWidth = width;
        pictureHeight = height;
        return pictureDc->get();
    }

    void Release()
    {
        if (window && IsWindow(window) &&
            GetWindowLongPtrW(window, GWLP_WNDPROC) == reinterpret_cast<LONG_PTR>(&OffscreenPainting::Procedure)) {
            SetWindowLongPtrW(window, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(procedure));
            SetWindowLongPtrW(window, GWLP_USERDATA, 0);
        }
        window = nullptr;
        procedure = nullptr;
        pictureSelected.reset();
        pictureDc.reset();
        picture.reset();
    }

    HWND window = nullptr;
    WNDPROC procedure = nullptr;
    bool beginning = false;
    // Declared in the order they must go: the bitmap after its device
    // context has let go of it.
    GdiObject<HBITMAP> picture;
    std::optional<MemoryDc> pictureDc;
    std::optional<SelectedObject> pictureSelected;
    int pictureWidth = 0;
    int pictureHeight = 0;
};
