#include "dialog/ScreenLoupe.h"

#include <cstring>
#include <optional>

#include "dialog/ColorValueTexts.h"
#include "dialog/LoupeImage.h"
#include "dialog/Placement.h"
#include "module/ModuleState.h"

namespace {

constexpr wchar_t kLoupeClass[] = L"PlexaPickerLoupe";

// A DIB section of its own device context, and the pixels in it.
class DibCanvas {
public:
    DibCanvas(int width, int height, int bitsPerPixel) : dc(nullptr)
    {
        BITMAPINFO info{};
        info.bmiHeader.biSize = sizeof info.bmiHeader;
        info.bmiHeader.biWidth = width;
        // 32-bit pictures top-down, 24-bit bottom-up as the renderers draw.
        info.bmiHeader.biHeight = bitsPerPixel == 32 ? -height : height;
        info.bmiHeader.biPlanes = 1;
        info.bmiHeader.biBitCount = static_cast<WORD>(bitsPerPixel);
        info.bmiHeader.biCompression = BI_RGB;
        bitmap.reset(CreateDIBSection(nullptr, &info, DIB_RGB_COLORS, &bits, nullptr, 0));
        selected.emplace(dc.get(), bitmap.get());
    }
    HDC Dc() const { return dc.get(); }
    std::uint8_t* Bits() const { return bitmap ? static_cast<std::uint8_t*>(bits) : nullptr; }

private:
    MemoryDc dc;
    GdiObject<HBITMAP> bitmap;
    void* bits = nullptr;
    std::optional<SelectedObject> selected;
};

CRGBA FromBlueGreenRed(const std::uint8_t* pixel) { return CRGBA::FromBytes(pixel[2], pixel[1], pixel[0]); }

void RegisterLoupeClass(HINSTANCE instance)
{
    WNDCLASSEXW existing{};
    existing.cbSize = sizeof existing;
    if (GetClassInfoExW(instance, kLoupeClass, &existing))
        return;
    WNDCLASSEXW loupeClass{};
    loupeClass.cbSize = sizeof loupeClass;
    loupeClass.lpfnWndProc = DefWindowProcW;
    loupeClass.hInstance = instance;
    loupeClass.lpszClassName = kLoupeClass;
    RegisterClassExW(&loupeClass);
}

} // namespace

std::vector<CRGBA> ScreenLoupe::ReadScreen(const ScreenBox& box) const
{
    std::vector<CRGBA> pixels(static_cast<std::size_t>(box.width) * static_cast<std::size_t>(box.height));
    const DibCanvas canvas(box.width, box.height, 32);
    if (pixels.empty() || !canvas.Bits())
        return pixels;
    std::memset(canvas.Bits(), 0, pixels.size() * 4);
    {
        const WindowDc screen(nullptr);
        // Without CAPTUREBLT: Windows leaves the layered loupe out.
        BitBlt(canvas.Dc(), 0, 0, box.width, box.height, screen.get(), box.left, box.top, SRCCOPY);
    }
    GdiFlush();
    for (int y = 0; y < box.height; ++y)
        for (int x = 0; x < box.width; ++x) {
            const std::size_t at = static_cast<std::size_t>(y) * box.width + x;
            pixels[at] = footprints.Beneath(box.left + x, box.top + y, FromBlueGreenRed(canvas.Bits() + 4 * at));
        }
    return pixels;
}

void ScreenLoupe::Show(HWND owner, POINT hotSpot, int span, CRGBA taken)
{
    const HINSTANCE instance = static_cast<HINSTANCE>(ModuleInstance);
    if (!window) {
        RegisterLoupeClass(instance);
        window = CreateWindowExW(WS_EX_LAYERED | WS_EX_TRANSPARENT | WS_EX_TOPMOST | WS_EX_NOACTIVATE | WS_EX_TOOLWINDOW,
                                 kLoupeClass, L"", WS_POPUP, 0, 0, kLoupeWidth, kLoupeHeight, owner, nullptr, instance,
                                 nullptr);
        font.reset(CreateFontW(-12, 0, 0, 0, FW_NORMAL, FALSE, FALSE, FALSE, DEFAULT_CHARSET, OUT_DEFAULT_PRECIS,
                               CLIP_DEFAULT_PRECIS, NONANTIALIASED_QUALITY, DEFAULT_PITCH, L"Tahoma"));
        if (!window)
            return;
    }
    constexpr int half = kLoupeCells / 2;
    const std::vector<CRGBA> cells = ReadScreen({hotSpot.x - half, hotSpot.y - half, kLoupeCells, kLoupeCells});

    MONITORINFO monitor{};
    monitor.cbSize = sizeof monitor;
    GetMonitorInfoW(MonitorFromPoint(hotSpot, MONITOR_DEFAULTTONEAREST), &monitor);
    const RECT& area = monitor.rcMonitor;
    const WindowPlacement place =
        LoupePlace(hotSpot.x, hotSpot.y, kLoupeWidth, kLoupeHeight, {area.left, area.top, area.right, area.bottom});
    const ScreenBox box{place.left, place.top, kLoupeWidth, kLoupeHeight};
    std::vector<CRGBA> beneath = ReadScreen(box);

    const DibCanvas picture(kLoupeWidth, kLoupeHeight, 24);
    if (!picture.Bits())
        return;
    const PixelView view{picture.Bits(), kLoupeWidth, kLoupeHeight, DibStride(kLoupeWidth)};
    RenderLoupe(cells, span, taken, view);
    {
        const SelectedObject selectedFont(picture.Dc(), font.get());
        SetBkMode(picture.Dc(), TRANSPARENT);
        SetTextColor(picture.Dc(), LoupeContrastColor(taken).ColorRef());
        const std::u16string hex = CopyText(CopyFormat::Hex, taken, false);
        RECT band{0, kLoupeGridSide, kLoupeWidth, kLoupeHeight - 1};
        DrawTextW(picture.Dc(), reinterpret_cast<const wchar_t*>(hex.c_str()), static_cast<int>(hex.size()), &band,
                  DT_CENTER | DT_VCENTER | DT_SINGLELINE | DT_NOPREFIX);
    }
    GdiFlush();
    std::vector<CRGBA> shown;
    shown.reserve(beneath.size());
    for (int y = 0; y < kLoupeHeight; ++y)
        for (int x = 0; x < kLoupeWidth; ++x)
            shown.push_back(FromBlueGreenRed(view.RowFromTop(y) + 3 * x));

    POINT position{place.left, place.top};
    SIZE size{kLoupeWidth, kLoupeHeight};
    POINT origin{0, 0};
    BLENDFUNCTION opaque{AC_SRC_OVER, 0, 255, 0};
    UpdateLayeredWindow(window, nullptr, &position, &size, picture.Dc(), &origin, 0, &opaque, ULW_ALPHA);
    if (!IsWindowVisible(window))
        SetWindowPos(window, HWND_TOPMOST, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE | SWP_SHOWWINDOW);
    footprints.Add(box, std::move(shown), std::move(beneath));
}

void ScreenLoupe::Hide()
{
    if (window)
        ShowWindow(window, SW_HIDE);
}

void ScreenLoupe::Destroy()
{
    if (window)
        DestroyWindow(window);
    window = nullptr;
}
