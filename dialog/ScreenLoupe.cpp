#include "dialog/ScreenLoupe.h"

#include <algorithm>

#include "common/DibCanvas.h"
#include "dialog/ColorValueTexts.h"
#include "dialog/LoupeImage.h"
#include "module/ModuleState.h"

namespace {

constexpr wchar_t kLoupeClass[] = L"PlexaPickerLoupe";

CRGBA FromBlueGreenRed(const std::uint8_t* pixel) { return CRGBA::FromBytes(pixel[2], pixel[1], pixel[0]); }

// An ordinary top-most window: moving it and drawing into it costs less
// than updating a layered window under Wine, and what it puts on the screen
// is taken out of every read by the footprints either way.
LRESULT CALLBACK LoupeProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam)
{
    switch (message) {
    case WM_NCCREATE:
        SetWindowLongPtrW(window, GWLP_USERDATA,
                          reinterpret_cast<LONG_PTR>(reinterpret_cast<const CREATESTRUCTW*>(lParam)->lpCreateParams));
        break;
    case WM_NCHITTEST:
        return HTTRANSPARENT;
    case WM_MOUSEACTIVATE:
        return MA_NOACTIVATE;
    case WM_ERASEBKGND:
        return 1;
    case WM_PAINT: {
        const PaintDc paint(window);
        if (const auto* loupe = reinterpret_cast<const ScreenLoupe*>(GetWindowLongPtrW(window, GWLP_USERDATA)))
            loupe->ShowPicture(paint.get());
        return 0;
    }
    default:
        break;
    }
    return DefWindowProcW(window, message, wParam, lParam);
}

void RegisterLoupeClass(HINSTANCE instance)
{
    WNDCLASSEXW existing{};
    existing.cbSize = sizeof existing;
    if (GetClassInfoExW(instance, kLoupeClass, &existing))
        return;
    WNDCLASSEXW loupeClass{};
    loupeClass.cbSize = sizeof loupeClass;
    loupeClass.lpfnWndProc = LoupeProc;
    loupeClass.hInstance = instance;
    loupeClass.hCursor = LoadCursorW(nullptr, IDC_ARROW);
    loupeClass.lpszClassName = kLoupeClass;
    RegisterClassExW(&loupeClass);
}

BOOL CALLBACK AddMonitor(HMONITOR, HDC, RECT* area, LPARAM monitors)
{
    reinterpret_cast<std::vector<DesktopRect>*>(monitors)->push_back(
        {area->left, area->top, area->right, area->bottom});
    return TRUE;
}

ScreenBox Union(const ScreenBox& a, const ScreenBox& b)
{
    const int left = std::min(a.left, b.left), top = std::min(a.top, b.top);
    return {left, top, std::max(a.left + a.width, b.left + b.width) - left,
            std::max(a.top + a.height, b.top + b.height) - top};
}

} // namespace

ScreenBox ReadableScreen()
{
    return {GetSystemMetrics(SM_XVIRTUALSCREEN), GetSystemMetrics(SM_YVIRTUALSCREEN),
            GetSystemMetrics(SM_CXVIRTUALSCREEN), GetSystemMetrics(SM_CYVIRTUALSCREEN)};
}

ScreenLayout CurrentScreenLayout()
{
    ScreenLayout layout;
    layout.readable = ReadableScreen();
    EnumDisplayMonitors(nullptr, nullptr, AddMonitor, reinterpret_cast<LPARAM>(&layout.monitors));
    return layout;
}

ScreenLoupe::ScreenLoupe() = default;

ScreenLoupe::~ScreenLoupe() { Destroy(); }

std::vector<CRGBA> ScreenLoupe::ReadScreen(const ScreenBox& box) const
{
    std::vector<CRGBA> pixels;
    if (box.width <= 0 || box.height <= 0)
        return pixels;
    // Made anew only when too small for what is read now.
    if (!screenCanvas || screenCanvas->Width() < box.width || screenCanvas->Height() < box.height)
        screenCanvas = std::make_unique<DibCanvas>(std::max(box.width, 128), std::max(box.height, 160));
    const std::uint8_t* bits = screenCanvas->Bits();
    if (!bits)
        return pixels;
    // Black where there is no screen, not what was read before.
    PatBlt(screenCanvas->Dc(), 0, 0, box.width, box.height, BLACKNESS);
    {
        const WindowDc screen(nullptr);
        BitBlt(screenCanvas->Dc(), 0, 0, box.width, box.height, screen.get(), box.left, box.top, SRCCOPY);
    }
    GdiFlush();
    pixels.reserve(static_cast<std::size_t>(box.width) * box.height);
    for (int y = 0; y < box.height; ++y)
        for (int x = 0; x < box.width; ++x)
            pixels.push_back(FromBlueGreenRed(bits + 4 * (static_cast<std::size_t>(y) * screenCanvas->Width() + x)));
    footprints.TakeOut(box, pixels);
    return pixels;
}

CRGBA ScreenLoupe::Pick(HWND owner, POINT hotSpot, int span, const ScreenLayout& screens)
{
    constexpr int half = kLoupeCells / 2;
    const ScreenBox around{hotSpot.x - half, hotSpot.y - half, kLoupeCells, kLoupeCells};
    const WindowPlacement place = LoupePlace(hotSpot.x, hotSpot.y, kLoupeWidth, kLoupeHeight, screens.monitors);
    const ScreenBox box{place.left, place.top, kLoupeWidth, kLoupeHeight};

    // One read of the screen for both, the pixels around the hot spot and
    // those the loupe is about to cover, where they lie together; apart
    // when the loupe is kept on a monitor far from a hot spot off it.
    const ScreenBox both = Union(around, box);
    const auto area = [](const ScreenBox& of) { return static_cast<long long>(of.width) * of.height; };
    std::vector<CRGBA> cells, beneath;
    if (area(both) <= 2 * (area(around) + area(box))) {
        const std::vector<CRGBA> read = ReadScreen(both);
        const auto part = [&](const ScreenBox& within) {
            std::vector<CRGBA> pixels;
            pixels.reserve(static_cast<std::size_t>(within.width) * within.height);
            for (int y = within.top - both.top; y < within.top - both.top + within.height; ++y)
                for (int x = within.left - both.left; x < within.left - both.left + within.width; ++x)
                    pixels.push_back(read[static_cast<std::size_t>(y) * both.width + x]);
            return pixels;
        };
        if (!read.empty()) {
            cells = part(around);
            beneath = part(box);
        }
    } else {
        cells = ReadScreen(around);
        beneath = ReadScreen(box);
    }
    if (cells.empty() || beneath.empty())
        return CRGBA(0xFFFFFFFF);
    const CRGBA taken = SampledColor(cells, around, span, screens.readable);

    if (!pictureDc) {
        // Its size in pixels whatever the scale: the loupe is not scaled either.
        font.reset(CreateFontW(-12, 0, 0, 0, FW_NORMAL, FALSE, FALSE, FALSE, DEFAULT_CHARSET, OUT_DEFAULT_PRECIS,
                               CLIP_DEFAULT_PRECIS, NONANTIALIASED_QUALITY, DEFAULT_PITCH, L"Tahoma"));
        picture.Create(kLoupeWidth, kLoupeHeight);
        pictureDc.emplace(nullptr);
        pictureSelected.emplace(pictureDc->get(), picture.Bitmap());
        fontSelected.emplace(pictureDc->get(), font.get());
        SetBkMode(pictureDc->get(), TRANSPARENT);
    }
    if (!window) {
        const HINSTANCE instance = static_cast<HINSTANCE>(ModuleInstance);
        RegisterLoupeClass(instance);
        window = CreateWindowExW(WS_EX_TOPMOST | WS_EX_NOACTIVATE | WS_EX_TOOLWINDOW, kLoupeClass, L"", WS_POPUP, 0, 0,
                                 kLoupeWidth, kLoupeHeight, owner, nullptr, instance, this);
    }
    const PixelView view = picture.View();
    if (!window || !view.IsUsable() || !pictureDc->get())
        return taken;

    RenderLoupe(cells, span, taken, view);
    {
        SetTextColor(pictureDc->get(), LoupeContrastColor(taken).ColorRef());
        const std::u16string hex = CopyText(CopyFormat::Hex, taken, false);
        RECT band{0, kLoupeGridSide, kLoupeWidth, kLoupeHeight - 1};
        DrawTextW(pictureDc->get(), reinterpret_cast<const wchar_t*>(hex.c_str()), static_cast<int>(hex.size()), &band,
                  DT_CENTER | DT_VCENTER | DT_SINGLELINE | DT_NOPREFIX);
    }
    GdiFlush();
    std::vector<CRGBA> shown;
    shown.reserve(beneath.size());
    for (int y = 0; y < kLoupeHeight; ++y)
        for (int x = 0; x < kLoupeWidth; ++x)
            shown.push_back(FromBlueGreenRed(view.RowFromTop(y) + 3 * x));

    // Moved with its old picture, and the new one drawn right after.
    constexpr UINT kMove = SWP_NOACTIVATE | SWP_NOSIZE | SWP_NOSENDCHANGING;
    if (IsWindowVisible(window))
        SetWindowPos(window, nullptr, place.left, place.top, 0, 0, kMove | SWP_NOZORDER | SWP_NOOWNERZORDER);
    else
        SetWindowPos(window, HWND_TOPMOST, place.left, place.top, 0, 0, kMove | SWP_SHOWWINDOW);
    {
        const WindowDc windowDc(window);
        ShowPicture(windowDc.get());
    }
    footprints.Add(box, std::move(shown), std::move(beneath));
    return taken;
}

void ScreenLoupe::ShowPicture(HDC dc) const
{
    if (!picture.bits)
        return;
    const BITMAPINFOHEADER header = BottomUpDibHeader(kLoupeWidth, kLoupeHeight);
    SetDIBitsToDevice(dc, 0, 0, kLoupeWidth, kLoupeHeight, 0, 0, 0, kLoupeHeight, picture.bits,
                      reinterpret_cast<const BITMAPINFO*>(&header), DIB_RGB_COLORS);
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
