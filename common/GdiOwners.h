// Owners of the Win32 drawing resources the picker makes: each releases what
// it holds when it goes out of scope, so no early return or exception leaks
// a GDI object, a device context or the mouse capture.
#pragma once

#include <windows.h>

#include <utility>

// A brush, pen, bitmap, font or region, deleted with DeleteObject.
template <typename Handle> class GdiObject {
public:
    explicit GdiObject(Handle held = nullptr) : handle(held) {}
    GdiObject(const GdiObject&) = delete;
    GdiObject& operator=(const GdiObject&) = delete;
    GdiObject(GdiObject&& other) noexcept : handle(std::exchange(other.handle, nullptr)) {}
    GdiObject& operator=(GdiObject&& other) noexcept
    {
        reset(std::exchange(other.handle, nullptr));
        return *this;
    }
    ~GdiObject() { reset(); }

    Handle get() const { return handle; }
    explicit operator bool() const { return handle != nullptr; }
    // Deletes the held object and holds `held` instead.
    void reset(Handle held = nullptr)
    {
        if (handle)
            DeleteObject(handle);
        handle = held;
    }

private:
    Handle handle;
};

// The device context of a window (null: the whole screen), from GetDC.
class WindowDc {
public:
    explicit WindowDc(HWND window) : window(window), dc(GetDC(window)) {}
    WindowDc(const WindowDc&) = delete;
    WindowDc& operator=(const WindowDc&) = delete;
    ~WindowDc()
    {
        if (dc)
            ReleaseDC(window, dc);
    }
    HDC get() const { return dc; }

private:
    HWND window;
    HDC dc;
};

// A memory device context compatible with another one (null: the screen).
class MemoryDc {
public:
    explicit MemoryDc(HDC compatibleWith) : dc(CreateCompatibleDC(compatibleWith)) {}
    MemoryDc(const MemoryDc&) = delete;
    MemoryDc& operator=(const MemoryDc&) = delete;
    ~MemoryDc()
    {
        if (dc)
            DeleteDC(dc);
    }
    HDC get() const { return dc; }

private:
    HDC dc;
};

// An object selected into a device context, and the one it replaced put
// back at the end.
class SelectedObject {
public:
    SelectedObject(HDC dc, HGDIOBJ object) : dc(dc), previous(dc && object ? SelectObject(dc, object) : nullptr) {}
    SelectedObject(const SelectedObject&) = delete;
    SelectedObject& operator=(const SelectedObject&) = delete;
    ~SelectedObject()
    {
        if (previous)
            SelectObject(dc, previous);
    }

private:
    HDC dc;
    HGDIOBJ previous;
};

// BeginPaint and EndPaint of one WM_PAINT.
class PaintDc {
public:
    explicit PaintDc(HWND window) : window(window), dc(BeginPaint(window, &paint)) {}
    PaintDc(const PaintDc&) = delete;
    PaintDc& operator=(const PaintDc&) = delete;
    ~PaintDc() { EndPaint(window, &paint); }
    HDC get() const { return dc; }
    const RECT& Dirty() const { return paint.rcPaint; }

private:
    HWND window;
    PAINTSTRUCT paint{};
    HDC dc;
};

// The mouse captured by a window. The capture is released at the end, or by
// Release, unless another window has taken it meanwhile.
class MouseCapture {
public:
    MouseCapture() = default;
    explicit MouseCapture(HWND window) : window(window) { SetCapture(window); }
    MouseCapture(const MouseCapture&) = delete;
    MouseCapture& operator=(const MouseCapture&) = delete;
    MouseCapture(MouseCapture&& other) noexcept : window(std::exchange(other.window, nullptr)) {}
    MouseCapture& operator=(MouseCapture&& other) noexcept
    {
        Release();
        window = std::exchange(other.window, nullptr);
        return *this;
    }
    ~MouseCapture() { Release(); }

    bool IsHeld() const { return window != nullptr; }
    void Release()
    {
        if (window && GetCapture() == window)
            ReleaseCapture();
        window = nullptr;
    }

private:
    HWND window = nullptr;
};
