// A control of the system's that paints into an off-screen picture, put on
// the screen with one copy. Drawn straight onto a window, a themed scroll bar
// or toolbar makes Wine look the display's bit depth up on its server again
// for every piece of the theme's images it copies (three round trips each):
// a scroll bar's repaint took twice as long as drawn off-screen. The pixels
// are the same either way.
//
// Where all a control's look depends on can be read (a scroll bar's, a spin
// control's), its picture is put on the screen again, without the control
// painting, while that has not changed and no message that could have
// changed the control came to it: the repaints of a dialog whose scroll bar
// stays as it was.
#pragma once

#include <windows.h>

#include <commctrl.h>

#include <cstdint>
#include <initializer_list>
#include <memory>
#include <vector>

#include "common/DibCanvas.h"
#include "common/GdiOwners.h"
#include "common/NoThrowBoundary.h"
#include "common/NonClientArea.h"

class OffscreenPainting {
public:
    // What a control's look depends on besides the messages it is sent, read
    // with `dc` to ask its parent for colors; equal looks, equal pictures.
    using LookOf = std::vector<std::uint8_t> (*)(HWND control, HDC dc);

    OffscreenPainting() = default;
    OffscreenPainting(const OffscreenPainting&) = delete;
    OffscreenPainting& operator=(const OffscreenPainting&) = delete;
    // The control gets its own procedure back if it is still there.
    ~OffscreenPainting() { Release(); }

    // From now on `control` paints off-screen, until it is destroyed. Its
    // user data holds this object, which must outlive its painting. With
    // `lookOf`, its picture is reused while its look stays the same.
    void Take(HWND control, LookOf lookOf = nullptr)
    {
        Release();
        if (!control)
            return;
        window = control;
        this->lookOf = lookOf;
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
            // Without a frame there is nothing to paint there.
            if (!HasNonClientArea(control))
                return 0;
            break;
        case WM_NCDESTROY:
            self->Release();
            break;
        default:
            if (!LeavesTheLook(message))
                self->pictureCurrent = false;
            break;
        }
        return CallWindowProcW(procedure, control, message, wParam, lParam);
    }

    // Questions, moves and paints: no other message leaves a picture current.
    static bool LeavesTheLook(UINT message)
    {
        switch (message) {
        case WM_GETOBJECT:
        case WM_NCHITTEST:
        case WM_GETDLGCODE:
        case WM_GETTEXT:
        case WM_GETTEXTLENGTH:
        case WM_GETFONT:
        case WM_WINDOWPOSCHANGING:
        case WM_WINDOWPOSCHANGED:
        case WM_MOVE:
        case WM_SIZE:
        case WM_NCCALCSIZE:
        case WM_PRINTCLIENT:
        case SBM_GETPOS:
        case SBM_GETRANGE:
        case SBM_GETSCROLLINFO:
        case SBM_GETSCROLLBARINFO:
        case UDM_GETBUDDY:
        case UDM_GETPOS:
        case UDM_GETPOS32:
        case UDM_GETRANGE:
        case UDM_GETRANGE32:
            return true;
        default:
            return false;
        }
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
        if (drawn && lookOf) {
            const int saved = SaveDC(drawn);
            std::vector<std::uint8_t> look = lookOf(window, drawn);
            RestoreDC(drawn, saved);
            if (pictureCurrent && look == pictureLook) {
                BitBlt(target, 0, 0, client.right, client.bottom, drawn, 0, 0, SRCCOPY);
                return;
            }
            pictureLook = std::move(look);
            // A message that comes while the control paints makes the
            // picture a paint of its own again.
            pictureCurrent = true;
        }
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
    // control changes its size or the last one could not be made; null when
    // it cannot be made.
    HDC Picture(int width, int height)
    {
        if (width <= 0 || height <= 0)
            return nullptr;
        if (!picture || !*picture || picture->Width() != width || picture->Height() != height) {
            pictureCurrent = false;
            picture = std::make_unique<DibCanvas>(width, height);
        }
        return *picture ? picture->Dc() : nullptr;
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
        lookOf = nullptr;
        pictureCurrent = false;
        picture.reset();
    }

    HWND window = nullptr;
    WNDPROC procedure = nullptr;
    bool beginning = false;
    LookOf lookOf = nullptr;
    // The picture shows the control as it looks now, if its look is still
    // pictureLook.
    bool pictureCurrent = false;
    std::vector<std::uint8_t> pictureLook;
    std::unique_ptr<DibCanvas> picture;
};

// The bytes of what a control looks by, in the order added.
class LookBytes {
public:
    template <typename Value> void Add(const Value& value)
    {
        const auto* first = reinterpret_cast<const std::uint8_t*>(&value);
        bytes.insert(bytes.end(), first, first + sizeof value);
    }
    void AddSystemColors(std::initializer_list<int> colors)
    {
        for (const int color : colors)
            Add(GetSysColor(color));
    }
    // The background the control's parent answers `message` (a
    // WM_CTLCOLOR... one) with, given `dc`.
    void AddBackground(HWND control, HDC dc, UINT message)
    {
        const auto brush = reinterpret_cast<HBRUSH>(
            SendMessageW(GetParent(control), message, reinterpret_cast<WPARAM>(dc), reinterpret_cast<LPARAM>(control)));
        LOGBRUSH background{};
        if (brush)
            GetObjectW(brush, sizeof background, &background);
        Add(background.lbStyle);
        Add(background.lbColor);
        Add(GetBkColor(dc));
    }

    std::vector<std::uint8_t> bytes;
};

// A scroll bar control's look: the places and states of its parts, whether
// it is enabled, the system's colors, and the background its parent gives it.
inline std::vector<std::uint8_t> ScrollBarLook(HWND bar, HDC dc)
{
    LookBytes look;
    SCROLLBARINFO info{};
    info.cbSize = sizeof info;
    GetScrollBarInfo(bar, OBJID_CLIENT, &info);
    // Where on the screen it is is not how it looks.
    info.rcScrollBar = {};
    look.Add(info);
    look.Add(IsWindowEnabled(bar));
    look.AddSystemColors({COLOR_SCROLLBAR, COLOR_BTNFACE, COLOR_BTNTEXT, COLOR_GRAYTEXT, COLOR_3DSHADOW,
                          COLOR_3DDKSHADOW, COLOR_3DHILIGHT, COLOR_3DLIGHT, COLOR_WINDOWFRAME});
    look.AddBackground(bar, dc, WM_CTLCOLORSCROLLBAR);
    return look.bytes;
}
