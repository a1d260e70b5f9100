// The owners of drawing resources and the controls' pixel buffers, with the
// real GDI: what they make is gone when they are, and a buffer's pixel view
// addresses the bitmap as the screen shows it. A control painting
// off-screen, or leaving out the paint of an empty frame, looks as it does
// without.
#include <gtest/gtest.h>

#include <algorithm>
#include <functional>
#include <vector>

#include "color/BitmapBuffer.h"
#include "common/GdiOwners.h"
#include "common/NonClientArea.h"
#include "common/OffscreenPainting.h"
#include "tests/windows/TestHost.h"

namespace {

bool IsGdiObject(HGDIOBJ object) { return GetObjectType(object) != 0; }

// What a control shows after it repaints its frame and client area, over
// pixels it did not draw.
std::vector<COLORREF> ShownAfterRepaint(HWND control)
{
    RECT rect{};
    GetWindowRect(control, &rect);
    HDC dc = GetWindowDC(control);
    const RECT whole{0, 0, rect.right - rect.left, rect.bottom - rect.top};
    FillRect(dc, &whole, static_cast<HBRUSH>(GetStockObject(BLACK_BRUSH)));
    ReleaseDC(control, dc);
    RedrawWindow(control, nullptr, nullptr, RDW_FRAME | RDW_INVALIDATE | RDW_ERASE | RDW_UPDATENOW);
    return ScreenPixels(rect);
}

HWND VerticalScrollBar(HWND parent, int left, int height)
{
    return CreateWindowExW(0, L"SCROLLBAR", L"", WS_CHILD | WS_VISIBLE | SBS_VERT, left, 0, 17, height, parent, nullptr,
                           nullptr, nullptr);
}

} // namespace

TEST(BitmapBuffer, ItsViewIsTheBitmapWithTheTopRowFirst)
{
    CBitmapBuffer buffer;
    ASSERT_TRUE(buffer.Create(5, 3));
    const PixelView view = buffer.View();
    EXPECT_EQ(view.stride, 16);
    FillPixels(view.MemoryRow(0), 5 * 3, CRGBA(0));
    PutPixel(view.RowFromTop(0), CRGBA(0x000000FF));
    PutPixel(view.RowFromTop(2) + 3 * 4, CRGBA(0x00FF0000));

    const MemoryDc dc(nullptr);
    const SelectedObject selected(dc.get(), buffer.Bitmap());
    EXPECT_EQ(GetPixel(dc.get(), 0, 0), RGB(255, 0, 0));
    EXPECT_EQ(GetPixel(dc.get(), 4, 2), RGB(0, 0, 255));
    EXPECT_EQ(GetPixel(dc.get(), 1, 1), RGB(0, 0, 0));
}

TEST(BitmapBuffer, RecreatingOrDestroyingDeletesTheBitmap)
{
    HBITMAP first = nullptr;
    HBITMAP second = nullptr;
    {
        CBitmapBuffer buffer;
        ASSERT_TRUE(buffer.Create(10, 10));
        first = buffer.Bitmap();
        ASSERT_TRUE(buffer.Create(20, 4));
        second = buffer.Bitmap();
        EXPECT_FALSE(IsGdiObject(first));
        EXPECT_TRUE(IsGdiObject(second));
        EXPECT_FALSE(buffer.Create(0, 4));
        EXPECT_EQ(buffer.bits, nullptr);
        EXPECT_FALSE(buffer.View().IsUsable());
        EXPECT_FALSE(IsGdiObject(second));
        ASSERT_TRUE(buffer.Create(1, 1));
        second = buffer.Bitmap();
    }
    EXPECT_FALSE(IsGdiObject(second));
}

TEST(DrawingOwners, ReleaseWhatTheyHold)
{
    HBRUSH brush = CreateSolidBrush(RGB(1, 2, 3));
    HDC memory = nullptr;
    {
        GdiObject<HBRUSH> owned(brush);
        const MemoryDc dc(nullptr);
        memory = dc.get();
        const HGDIOBJ before = GetCurrentObject(memory, OBJ_BRUSH);
        {
            const SelectedObject selected(memory, brush);
            EXPECT_EQ(GetCurrentObject(memory, OBJ_BRUSH), brush);
        }
        EXPECT_EQ(GetCurrentObject(memory, OBJ_BRUSH), before);
    }
    EXPECT_FALSE(IsGdiObject(brush));
    EXPECT_FALSE(IsGdiObject(memory));
}

TEST(DrawingOwners, TheCaptureIsReleasedOnlyIfStillHeld)
{
    HWND first =
        CreateWindowExW(0, L"STATIC", L"", WS_POPUP | WS_VISIBLE, 0, 0, 10, 10, nullptr, nullptr, nullptr, nullptr);
    HWND second =
        CreateWindowExW(0, L"STATIC", L"", WS_POPUP | WS_VISIBLE, 20, 0, 10, 10, nullptr, nullptr, nullptr, nullptr);
    {
        MouseCapture capture(first);
        EXPECT_EQ(GetCapture(), first);
    }
    EXPECT_EQ(GetCapture(), nullptr);
    {
        MouseCapture capture(first);
        SetCapture(second);
    }
    EXPECT_EQ(GetCapture(), second);
    ReleaseCapture();
    DestroyWindow(first);
    DestroyWindow(second);
}

TEST(OffscreenPainting, AControlLooksAsItDoesPaintedOnTheScreenAlsoAfterItGrows)
{
    HWND frame = CreateWindowExW(WS_EX_TOPMOST, L"STATIC", L"", WS_POPUP | WS_VISIBLE, 40, 40, 200, 300, nullptr,
                                 nullptr, nullptr, nullptr);
    HWND onScreen = VerticalScrollBar(frame, 10, 120);
    HWND offScreen = VerticalScrollBar(frame, 60, 120);
    OffscreenPainting painting;
    painting.Take(offScreen);
    const auto pixelsOf = [](HWND control) {
        SCROLLINFO info{sizeof info, SIF_RANGE | SIF_PAGE | SIF_POS, 0, 99, 20, 40, 0};
        SetScrollInfo(control, SB_CTL, &info, FALSE);
        return ShownAfterRepaint(control);
    };
    const std::vector<COLORREF> drawn = pixelsOf(onScreen);
    EXPECT_EQ(pixelsOf(offScreen), drawn);
    EXPECT_NE(std::count(drawn.begin(), drawn.end(), drawn.front()), static_cast<std::ptrdiff_t>(drawn.size()))
        << "the scroll bar was drawn";
    for (HWND control : {onScreen, offScreen})
        SetWindowPos(control, nullptr, 0, 0, 17, 250, SWP_NOMOVE | SWP_NOZORDER);
    EXPECT_EQ(pixelsOf(offScreen), pixelsOf(onScreen));
    DestroyWindow(frame);
}

namespace {

// The background a scroll bar's parent gives it.
HBRUSH scrollBarBackground = nullptr;

LRESULT CALLBACK ScrollBarParentProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam)
{
    if (message == WM_CTLCOLORSCROLLBAR)
        return reinterpret_cast<LRESULT>(scrollBarBackground);
    return DefWindowProcW(window, message, wParam, lParam);
}

} // namespace

TEST(OffscreenPainting, AScrollBarShowsItsPictureAgainOnlyWhileItLooksTheSame)
{
    const GdiObject<HBRUSH> white(CreateSolidBrush(RGB(255, 255, 255)));
    const GdiObject<HBRUSH> gray(CreateSolidBrush(RGB(128, 128, 128)));
    scrollBarBackground = white.get();
    const ScreenPatch patch(nullptr, L"PlexaTestScrollBarParent", 40, 40, 200, ScrollBarParentProc);
    HWND frame = FindWindowW(L"PlexaTestScrollBarParent", nullptr);
    HWND onScreen = VerticalScrollBar(frame, 10, 150);
    HWND offScreen = VerticalScrollBar(frame, 60, 150);
    OffscreenPainting painting;
    painting.Take(offScreen, ScrollBarLook);
    const auto position = [](int at) {
        return [at](HWND bar) {
            SCROLLINFO info{sizeof info, SIF_RANGE | SIF_PAGE | SIF_POS, 0, 99, 20, at, 0};
            SetScrollInfo(bar, SB_CTL, &info, FALSE);
        };
    };
    // Each applied to both scroll bars; the parent's background changes
    // without a message to them.
    const std::vector<std::function<void(HWND)>> changes{
        position(40),
        [](HWND) {},
        [&](HWND) { scrollBarBackground = gray.get(); },
        position(70),
        [](HWND bar) { EnableScrollBar(bar, SB_CTL, ESB_DISABLE_BOTH); },
        [](HWND bar) { EnableScrollBar(bar, SB_CTL, ESB_ENABLE_BOTH); },
        [](HWND bar) { EnableWindow(bar, FALSE); },
    };
    for (std::size_t step = 0; step < changes.size(); ++step) {
        changes[step](onScreen);
        changes[step](offScreen);
        EXPECT_EQ(ShownAfterRepaint(offScreen), ShownAfterRepaint(onScreen)) << "after change " << step;
    }
    DestroyWindow(onScreen);
    DestroyWindow(offScreen);
}

TEST(FramelessControls, LeaveOutOnlyTheFramePaintOfControlsWithoutAFrame)
{
    // The same label with a border and button in two windows; only the
    // second one's controls skip an empty frame's paint.
    const auto makeWindow = [](int left) {
        HWND window = CreateWindowExW(WS_EX_TOPMOST, L"STATIC", L"", WS_POPUP | WS_VISIBLE, left, 40, 160, 100, nullptr,
                                      nullptr, nullptr, nullptr);
        CreateWindowExW(0, L"STATIC", L"Label", WS_CHILD | WS_VISIBLE | WS_BORDER, 10, 10, 80, 24, window, nullptr,
                        nullptr, nullptr);
        CreateWindowExW(0, L"BUTTON", L"Button", WS_CHILD | WS_VISIBLE | BS_PUSHBUTTON, 10, 50, 80, 28, window, nullptr,
                        nullptr, nullptr);
        return window;
    };
    HWND reference = makeWindow(40);
    HWND skipping = makeWindow(240);
    SkipEmptyFramePaint(skipping);
    // What all of a window's controls show.
    const auto pixelsOf = [](HWND window) {
        std::vector<COLORREF> pixels;
        for (HWND control = GetWindow(window, GW_CHILD); control; control = GetWindow(control, GW_HWNDNEXT)) {
            const std::vector<COLORREF> shown = ShownAfterRepaint(control);
            pixels.insert(pixels.end(), shown.begin(), shown.end());
        }
        return pixels;
    };
    const std::vector<COLORREF> drawn = pixelsOf(reference);
    EXPECT_EQ(pixelsOf(skipping), drawn);
    EXPECT_NE(std::count(drawn.begin(), drawn.end(), RGB(0, 0, 0)), static_cast<std::ptrdiff_t>(drawn.size()))
        << "the controls were drawn";
    DestroyWindow(reference);
    DestroyWindow(skipping);
}
