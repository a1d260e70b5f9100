// The loupe that shows the screen around the eyedropper's hot spot, driven
// over a window whose every pixel has a color of its own, and read back
// from the screen.
#include <gtest/gtest.h>

#include <cstdlib>
#include <vector>

#include "common/GdiOwners.h"
#include "dialog/LoupeImage.h"
#include "dialog/PickerSettings.h"
#include "resources/ResourceIds.h"
#include "tests/windows/TestHost.h"

namespace {

constexpr int kPatternLeft = 200, kPatternTop = 200, kPatternSide = 240;

// The color the pattern window shows at a screen point: red counts the
// columns, green the rows, blue alternates like a chess board.
COLORREF PatternAt(int x, int y)
{
    const int column = x - kPatternLeft, row = y - kPatternTop;
    return RGB(column, row, (column + row) % 2 ? 0xC0 : 0x40);
}

// Paints the pattern window, at kPatternLeft, kPatternTop.
LRESULT CALLBACK PaintPattern(HWND window, UINT message, WPARAM wParam, LPARAM lParam)
{
    if (message != WM_PAINT)
        return DefWindowProcW(window, message, wParam, lParam);
    PAINTSTRUCT paint;
    HDC dc = BeginPaint(window, &paint);
    std::vector<std::uint32_t> pixels;
    for (int y = 0; y < kPatternSide; ++y)
        for (int x = 0; x < kPatternSide; ++x) {
            const COLORREF color = PatternAt(kPatternLeft + x, kPatternTop + y);
            pixels.push_back(GetRValue(color) << 16 | GetGValue(color) << 8 | GetBValue(color));
        }
    BITMAPINFO info{};
    info.bmiHeader = {sizeof info.bmiHeader, kPatternSide, -kPatternSide, 1, 32, BI_RGB, 0, 0, 0, 0, 0};
    SetDIBitsToDevice(dc, 0, 0, kPatternSide, kPatternSide, 0, 0, 0, kPatternSide, pixels.data(), &info,
                      DIB_RGB_COLORS);
    EndPaint(window, &paint);
    return 0;
}

// The window with the pattern, gone at the end.
class PatternWindow : public ScreenPatch {
public:
    PatternWindow()
        : ScreenPatch(nullptr, L"PlexaTestPatternWindow", kPatternLeft, kPatternTop, kPatternSide, PaintPattern)
    {
    }
};

COLORREF ScreenPixel(int x, int y) { return ScreenPixels({x, y, x + 1, y + 1}).front(); }

HWND LoupeWindow() { return FindWindowW(L"PlexaPickerLoupe", nullptr); }

RECT LoupeRect()
{
    RECT rect{};
    GetWindowRect(LoupeWindow(), &rect);
    return rect;
}

// The color of the loupe's cell (column, row) as the screen shows it.
COLORREF LoupeCell(int column, int row)
{
    const RECT loupe = LoupeRect();
    return ScreenPixel(loupe.left + 1 + kLoupeZoom * column + 4, loupe.top + 1 + kLoupeZoom * row + 4);
}

class Loupe : public DialogRunner {
protected:
    Loupe() { Core()->WriteSettingInt(&kPickerSettingsSection, "SizeMode", 0); }

    // Lifts the eyedropper and moves the pointer to a screen point.
    static void StartPick(HWND dialog)
    {
        const RECT icon = ChildRect(dialog, IDC_EYEDROPPER);
        Mouse(dialog, WM_LBUTTONDOWN, {(icon.left + icon.right) / 2, (icon.top + icon.bottom) / 2}, MK_LBUTTON);
    }
    // Then idles, as between a person's moves: Wine shows what the windows
    // drew and what the move uncovered once their thread is idle.
    static void MoveTo(HWND dialog, int x, int y)
    {
        SetCursorPos(x, y);
        POINT at{x, y};
        ScreenToClient(dialog, &at);
        Mouse(dialog, WM_MOUSEMOVE, at, MK_LBUTTON);
        MsgWaitForMultipleObjectsEx(0, nullptr, 0, QS_ALLINPUT, 0);
    }
    // Every cell of the loupe against the pattern around (x, y).
    static void ExpectCellsAround(int x, int y)
    {
        for (int row = 0; row < kLoupeCells; ++row)
            for (int column = 0; column < kLoupeCells; ++column)
                ASSERT_EQ(LoupeCell(column, row), PatternAt(x - 5 + column, y - 5 + row))
                    << "cell " << column << "," << row << " around " << x << "," << y;
    }
};

} // namespace

TEST_F(Loupe, ShowsTheMagnifiedPixelsBesideTheHotSpotWithoutTakingTheActivation)
{
    const PatternWindow pattern;
    Run(0x000080FF, 0, [&](HWND dialog) {
        StartPick(dialog);
        MoveTo(dialog, 300, 300);
        ASSERT_TRUE(LoupeWindow() && IsWindowVisible(LoupeWindow()));
        const RECT loupe = LoupeRect();
        EXPECT_EQ(loupe.left, 315);
        EXPECT_EQ(loupe.top, 315);
        // Run also on a screen of 144 DPI (150 %), where the dialog is larger.
        if (const char* dpi = std::getenv("PLEXA_WINE_DPI")) {
            const WindowDc screen(nullptr);
            EXPECT_EQ(GetDeviceCaps(screen.get(), LOGPIXELSX), std::atoi(dpi));
        }
        EXPECT_EQ(loupe.right - loupe.left, 100) << "its size in the screen's own pixels";
        EXPECT_EQ(loupe.bottom - loupe.top, 120);
        const LONG_PTR style = GetWindowLongPtrW(LoupeWindow(), GWL_EXSTYLE);
        EXPECT_TRUE(style & WS_EX_TOPMOST);
        EXPECT_TRUE(style & WS_EX_NOACTIVATE);
        EXPECT_EQ(GetActiveWindow(), dialog);

        ExpectCellsAround(300, 300);
        EXPECT_EQ(LastMessage(), PatternAt(300, 300));
        EXPECT_EQ(ScreenPixel(loupe.left, loupe.top + 20), RGB(0x80, 0x80, 0x80)) << "the grid";
        EXPECT_EQ(ScreenPixel(loupe.left + 18, loupe.top + 20), RGB(0x80, 0x80, 0x80));
        // The middle cell framed in white against a dark color; the band below shows it.
        EXPECT_EQ(ScreenPixel(loupe.left + 45, loupe.top + 50), RGB(255, 255, 255));
        EXPECT_EQ(ScreenPixel(loupe.left + 54, loupe.top + 45), RGB(255, 255, 255));
        EXPECT_EQ(ScreenPixel(loupe.left + 2, loupe.top + 102), PatternAt(300, 300));
        // Some of the band's pixels are its hex text.
        int text = 0;
        for (int x = loupe.left + 1; x < loupe.right - 1; ++x)
            text += ScreenPixel(x, loupe.top + 110) == RGB(255, 255, 255);
        EXPECT_GT(text, 5);
    });
}

TEST_F(Loupe, FollowsEveryMoveAndNeverSamplesItself)
{
    const PatternWindow pattern;
    Run(0x000080FF, 0, [&](HWND dialog) {
        StartPick(dialog);
        MoveTo(dialog, 230, 230);
        // Each move lands where the loupe was just shown.
        for (const int at : {250, 280, 300, 345, 390}) {
            MoveTo(dialog, at, at + 2);
            EXPECT_EQ(LastMessage(), PatternAt(at, at + 2)) << at;
            EXPECT_EQ(LoupeRect().left, at + 15);
            ExpectCellsAround(at, at + 2);
        }
        // The arrows nudge the pointer, and the loupe with it.
        Press(GetFocus(), VK_LEFT);
        EXPECT_EQ(LoupeRect().left, 389 + 15);
        ExpectCellsAround(389, 392);
    });
}

TEST_F(Loupe, FramesTheAveragedAreaAndShowsTheMean)
{
    const PatternWindow pattern;
    Run(0x000080FF, 0, [&](HWND dialog) {
        StartPick(dialog);
        MoveTo(dialog, 300, 300);
        Press(GetFocus(), VK_CONTROL, true);
        const RECT loupe = LoupeRect();
        // Around (300, 300): red 99..101, green 99..101, blue five of nine 0x40 (the middle is even).
        const COLORREF mean = RGB(100, 100, (5 * 0x40 + 4 * 0xC0 + 4) / 9);
        EXPECT_EQ(LastMessage(), mean);
        EXPECT_EQ(ScreenPixel(loupe.left + 2, loupe.top + 102), mean);
        EXPECT_EQ(ScreenPixel(loupe.left + 36, loupe.top + 50), RGB(255, 255, 255)) << "three cells framed";
        EXPECT_EQ(ScreenPixel(loupe.left + 63, loupe.top + 50), RGB(255, 255, 255));
        EXPECT_EQ(ScreenPixel(loupe.left + 45, loupe.top + 50), RGB(0x80, 0x80, 0x80));
        Press(GetFocus(), VK_SHIFT, true, true);
        EXPECT_EQ(ScreenPixel(loupe.left + 27, loupe.top + 50), RGB(255, 255, 255)) << "five cells framed";
    });
}

TEST_F(Loupe, FlipsAtTheMonitorsEdgesAndStaysOnIt)
{
    Run(0x000080FF, 0, [&](HWND dialog) {
        StartPick(dialog);
        const int right = GetSystemMetrics(SM_CXSCREEN), bottom = GetSystemMetrics(SM_CYSCREEN);
        MoveTo(dialog, right - 115, bottom - 135);
        EXPECT_EQ(LoupeRect().right, right) << "it just fits";
        EXPECT_EQ(LoupeRect().bottom, bottom);
        MoveTo(dialog, right - 114, bottom - 134);
        EXPECT_EQ(LoupeRect().right, right - 114 - 15);
        EXPECT_EQ(LoupeRect().bottom, bottom - 134 - 15);
    });
}

TEST_F(Loupe, DisappearsWhenThePickEndsHoweverItEnds)
{
    Run(0x000080FF, 0, [&](HWND dialog) {
        StartPick(dialog);
        MoveTo(dialog, 500, 500);
        ASSERT_TRUE(IsWindowVisible(LoupeWindow()));
        Mouse(dialog, WM_LBUTTONUP, {0, 0});
        EXPECT_FALSE(IsWindowVisible(LoupeWindow())) << "released";

        StartPick(dialog);
        MoveTo(dialog, 500, 500);
        SendMessageW(dialog, WM_COMMAND, IDCANCEL, 0);
        EXPECT_FALSE(IsWindowVisible(LoupeWindow())) << "Escape";

        StartPick(dialog);
        MoveTo(dialog, 500, 500);
        Press(GetFocus(), VK_RETURN);
        EXPECT_FALSE(IsWindowVisible(LoupeWindow())) << "Enter";

        StartPick(dialog);
        MoveTo(dialog, 500, 500);
        SetCapture(requester.Handle());
        ReleaseCapture();
        EXPECT_FALSE(IsWindowVisible(LoupeWindow())) << "the mouse taken away";
    });
    EXPECT_EQ(LoupeWindow(), nullptr) << "gone with the dialog";
}
