// The palette shelf and screen sampling as a user drives them: real mouse
// messages on the shelf's cells (the module's simple palette: red, pink,
// yellow... in the first row, grays in the second, an empty fourth row),
// read back through the requester's colors and the painted cells; and the
// eyedropper dragged over a window of a known color.
#include <gtest/gtest.h>

#include "common/GdiOwners.h"
#include "dialog/PickerSettings.h"
#include "resources/ResourceIds.h"
#include "tests/windows/TestHost.h"

namespace {

constexpr std::uint32_t kOrange = 0x000080FF;
constexpr std::uint32_t kRed = 0x000000FF;
constexpr std::uint32_t kYellow = 0x0000FFFF;

class ShelfGestures : public DialogRunner {
protected:
    ShelfGestures() { Core()->WriteSettingInt(&kPickerSettingsSection, "SizeMode", 0); }
};

// The centre of slot i, in the dialog's client coordinates.
POINT Cell(HWND dialog, int i)
{
    const RECT shelf = ChildRect(dialog, IDC_SHELF);
    const float cellWidth = static_cast<float>(shelf.right - shelf.left) / 12;
    const int cellHeight = static_cast<int>(cellWidth * 1.02f);
    return {shelf.left + static_cast<int>((i % 12 + 0.5f) * cellWidth),
            shelf.top + (i / 12) * cellHeight + cellHeight / 2};
}

} // namespace

TEST_F(ShelfGestures, ClicksPickFilledSlotsAndStoreIntoEmptyOnes)
{
    Run(kOrange, 0, [&](HWND dialog) {
        Mouse(dialog, WM_LBUTTONDOWN, Cell(dialog, 2), MK_LBUTTON);
        Mouse(dialog, WM_LBUTTONUP, Cell(dialog, 2));
        EXPECT_EQ(LastMessage(), kYellow);
        Mouse(dialog, WM_LBUTTONDOWN, Cell(dialog, 37), MK_LBUTTON);
        Mouse(dialog, WM_LBUTTONUP, Cell(dialog, 37));
        EXPECT_EQ(PixelAt(dialog, Cell(dialog, 37)), kYellow);
        // Control with the left button empties a slot again.
        Mouse(dialog, WM_LBUTTONDOWN, Cell(dialog, 37), MK_LBUTTON | MK_CONTROL);
        EXPECT_EQ(PixelAt(dialog, Cell(dialog, 37)), 0u);
        EXPECT_EQ(requester.colorMessages.size(), 1u);
    });
}

TEST_F(ShelfGestures, RightButtonsEmptySlotsAndBlendTheGapBetweenTheirNeighbours)
{
    Run(kOrange, 0, [&](HWND dialog) {
        const POINT yellow = Cell(dialog, 2);
        Mouse(dialog, WM_RBUTTONDOWN, yellow, MK_RBUTTON);
        Mouse(dialog, WM_RBUTTONUP, yellow);
        EXPECT_EQ(PixelAt(dialog, yellow), 0u);
        // Now empty: a right press blends pink (255, 128, 128) into light
        // yellow (255, 255, 128) across it.
        Mouse(dialog, WM_RBUTTONDOWN, yellow, MK_RBUTTON);
        Mouse(dialog, WM_RBUTTONUP, Cell(dialog, 3));
        EXPECT_EQ(PixelAt(dialog, yellow), RGB(255, 191, 128));
    });
}

TEST_F(ShelfGestures, AMiddleDragBlendsFromItsStartToWhereItEnds)
{
    Run(kOrange, 0, [&](HWND dialog) {
        Mouse(dialog, WM_MBUTTONDOWN, Cell(dialog, 0), MK_MBUTTON);
        Mouse(dialog, WM_MOUSEMOVE, Cell(dialog, 4), MK_MBUTTON);
        Mouse(dialog, WM_MBUTTONUP, Cell(dialog, 4));
        // Red to lime over four steps.
        EXPECT_EQ(PixelAt(dialog, Cell(dialog, 2)), RGB(127, 127, 0));
        EXPECT_EQ(PixelAt(dialog, Cell(dialog, 4)), RGB(0, 255, 0));
        // The slot's tooltip keeps the pointer until it leaves the shelf.
        EXPECT_EQ(GetCapture(), dialog);
        Mouse(dialog, WM_MOUSEMOVE, {1, 1});
        EXPECT_NE(GetCapture(), dialog);
    });
}

TEST_F(ShelfGestures, ADoubleClickOnAFilledSlotChoosesItAndOnAnEmptyOneNothing)
{
    const int result = Run(kOrange, 0, [&](HWND dialog) {
        Mouse(dialog, WM_LBUTTONDBLCLK, Cell(dialog, 40), MK_LBUTTON);
        EXPECT_TRUE(IsWindow(dialog));
        // As Windows sends it: the first click stores orange into the empty
        // slot, the double click that follows finds it filled.
        for (const UINT message : {WM_LBUTTONDOWN, WM_LBUTTONUP, WM_LBUTTONDBLCLK, WM_LBUTTONUP})
            Mouse(dialog, message, Cell(dialog, 41), message == WM_LBUTTONUP ? 0 : MK_LBUTTON);
        EXPECT_TRUE(IsWindow(dialog)) << "the double click began on an empty slot";
        EXPECT_EQ(PixelAt(dialog, Cell(dialog, 41)), RGB(255, 128, 0));
        SendMessageW(dialog, WM_COMMAND, IDM_UNDO, 0);
        EXPECT_EQ(PixelAt(dialog, Cell(dialog, 41)), 0u) << "one undo step takes the stored color back";
        // A double click on the slot filled before chooses it.
        SendMessageW(dialog, WM_COMMAND, IDM_REDO, 0);
        for (const UINT message : {WM_LBUTTONDOWN, WM_LBUTTONUP, WM_LBUTTONDBLCLK})
            Mouse(dialog, message, Cell(dialog, 0), message == WM_LBUTTONUP ? 0 : MK_LBUTTON);
    });
    EXPECT_EQ(result, 1);
    EXPECT_EQ(chosen, kRed);
}

TEST_F(ShelfGestures, TheSlotCommandsStoreIntoTheFirstEmptySlot)
{
    Run(kOrange, 0, [&](HWND dialog) {
        SendMessageW(dialog, WM_COMMAND, IDM_STORE_IN_EMPTY_SLOT, 0);
        EXPECT_EQ(PixelAt(dialog, Cell(dialog, 36)), kOrange);
        SendMessageW(dialog, WM_COMMAND, IDM_STORE_IN_EMPTY_SLOT, 0);
        EXPECT_EQ(PixelAt(dialog, Cell(dialog, 37)), kOrange);
        // Both now hold the current color: the current swatch steps through them.
        const RECT swatch = ChildRect(dialog, IDC_CURRENT_SWATCH);
        Mouse(dialog, WM_LBUTTONDOWN, {swatch.left + 2, swatch.top + 2}, MK_LBUTTON);
        Mouse(dialog, WM_LBUTTONUP, {swatch.left + 2, swatch.top + 2});
        EXPECT_TRUE(IsWindow(dialog));
    });
}

TEST_F(ShelfGestures, TheEyedropperSamplesTheScreenAndEscapeOrItsOwnPictureCancels)
{
    // A window of a known color somewhere on the screen.
    const ScreenPatch red(CreateSolidBrush(RGB(255, 0, 0)), L"PlexaTestRedWindow", 20, 20, 60);
    Run(kOrange, 0, [&](HWND dialog) {
        const RECT icon = ChildRect(dialog, IDC_EYEDROPPER);
        const POINT onIcon{(icon.left + icon.right) / 2, (icon.top + icon.bottom) / 2};
        POINT onRed{50, 50};
        ScreenToClient(dialog, &onRed);

        Mouse(dialog, WM_LBUTTONDOWN, onIcon, MK_LBUTTON);
        EXPECT_EQ(GetCapture(), dialog);
        Mouse(dialog, WM_MOUSEMOVE, onRed, MK_LBUTTON);
        EXPECT_EQ(LastMessage(), kRed);
        Mouse(dialog, WM_LBUTTONUP, onRed);
        EXPECT_NE(GetCapture(), dialog);
        EXPECT_EQ(LastMessage(), kRed);

        Mouse(dialog, WM_LBUTTONDOWN, onIcon, MK_LBUTTON);
        Mouse(dialog, WM_MOUSEMOVE, {onIcon.x + 30, onIcon.y}, MK_LBUTTON);
        SendMessageW(dialog, WM_COMMAND, IDCANCEL, 0);
        EXPECT_TRUE(IsWindow(dialog)) << "Escape ends the pick, not the dialog";
        EXPECT_EQ(LastMessage(), kRed);

        Mouse(dialog, WM_LBUTTONDOWN, onIcon, MK_LBUTTON);
        Mouse(dialog, WM_MOUSEMOVE, {-10000, -10000}, MK_LBUTTON);
        EXPECT_EQ(LastMessage(), 0xFFFFFFFFu) << "no screen there: white";
        Mouse(dialog, WM_LBUTTONUP, onIcon);
        EXPECT_EQ(LastMessage(), kRed) << "released on its picture: the color before";
    });
}

TEST_F(ShelfGestures, APickIsAimedWithTheArrowsAveragedWithCtrlAndTakenWithEnter)
{
    // A window of black and white pixels in turn, like a chess board.
    const WORD rows[8] = {0xAA, 0x55, 0xAA, 0x55, 0xAA, 0x55, 0xAA, 0x55};
    const GdiObject<HBITMAP> pattern(CreateBitmap(8, 8, 1, 1, rows));
    const ScreenPatch board(CreatePatternBrush(pattern.get()), L"PlexaTestCheckerWindow", 100, 100, 60);
    Run(kOrange, 0, [&](HWND dialog) {
        const RECT icon = ChildRect(dialog, IDC_EYEDROPPER);
        Mouse(dialog, WM_LBUTTONDOWN, {(icon.left + icon.right) / 2, (icon.top + icon.bottom) / 2}, MK_LBUTTON);
        SetCursorPos(130, 130);
        POINT at{130, 130};
        ScreenToClient(dialog, &at);
        Mouse(dialog, WM_MOUSEMOVE, at, MK_LBUTTON);
        const std::uint32_t first = LastMessage();
        ASSERT_TRUE(first == 0 || first == 0x00FFFFFF) << std::hex << first;
        const std::uint32_t other = first ^ 0x00FFFFFF;
        HWND focus = GetFocus();
        Press(focus, VK_RIGHT);
        POINT cursor{};
        GetCursorPos(&cursor);
        EXPECT_EQ(cursor.x, 131);
        EXPECT_EQ(LastMessage(), other) << "one pixel on: the other color";
        Press(focus, VK_DOWN, false, true);
        GetCursorPos(&cursor);
        EXPECT_EQ(cursor.y, 140);
        EXPECT_EQ(LastMessage(), other) << "ten down: the same color again";
        // Averaged around a pixel of `other`: of 3 x 3, five are `other`.
        const std::uint32_t three = other ? 0x008E8E8E : 0x00717171;
        const std::uint32_t five = other ? 0x00858585 : 0x007A7A7A;
        Press(focus, VK_CONTROL, true);
        EXPECT_EQ(LastMessage(), three);
        Press(focus, VK_SHIFT, true, true);
        EXPECT_EQ(LastMessage(), five);
        Press(focus, VK_RETURN, true, true);
        EXPECT_NE(GetCapture(), dialog) << "Enter ends the pick";
        EXPECT_EQ(LastMessage(), five) << "with the color it showed";
    });
}

TEST_F(ShelfGestures, LosingTheMouseMidGestureEndsItWithoutAChange)
{
    Run(kOrange, 0, [&](HWND dialog) {
        Mouse(dialog, WM_MBUTTONDOWN, Cell(dialog, 0), MK_MBUTTON);
        Mouse(dialog, WM_MOUSEMOVE, Cell(dialog, 4), MK_MBUTTON);
        // Another window takes the mouse, as a window popping up does.
        SetCapture(requester.Handle());
        ReleaseCapture();
        Mouse(dialog, WM_MBUTTONUP, Cell(dialog, 4));
        EXPECT_EQ(PixelAt(dialog, Cell(dialog, 2)), RGB(255, 255, 0)) << "no gradient was made";

        const RECT icon = ChildRect(dialog, IDC_EYEDROPPER);
        Mouse(dialog, WM_LBUTTONDOWN, {icon.left + 3, icon.top + 3}, MK_LBUTTON);
        Mouse(dialog, WM_MOUSEMOVE, Cell(dialog, 2), MK_LBUTTON);
        EXPECT_EQ(LastMessage(), kYellow);
        SetCapture(requester.Handle());
        ReleaseCapture();
        EXPECT_EQ(LastMessage(), kOrange) << "the pick ended with the color before it";
        EXPECT_EQ(GetCapture(), nullptr);
    });
}

TEST_F(ShelfGestures, TheSlotUnderThePointerIsNamedInATrackingTooltip)
{
    Run(kOrange, 0, [&](HWND dialog) {
        Mouse(dialog, WM_MOUSEMOVE, Cell(dialog, 0));
        EXPECT_EQ(GetCapture(), dialog) << "the tip follows the pointer until it leaves the shelf";
        EXPECT_EQ(ToolText(TooltipOf(dialog), dialog, IDC_SHELF),
                  u"Red\r\nRGB(255,0,0)\r\nHex=FF0000\r\n\r\n"
                  u"Left mouse button + Ctrl\nor Right mouse button to reset current slot");
        Mouse(dialog, WM_MOUSEMOVE, Cell(dialog, 40));
        EXPECT_EQ(ToolText(TooltipOf(dialog), dialog, IDC_SHELF).substr(0, 10), u"Empty slot");
        // With the contrast shown, a filled slot's tip tells it against the current color.
        SendMessageW(dialog, WM_SYSCOMMAND, IDM_SHOW_CONTRAST, 0);
        Mouse(dialog, WM_MOUSEMOVE, Cell(dialog, 0));
        EXPECT_EQ(ToolText(TooltipOf(dialog), dialog, IDC_SHELF).substr(0, 50),
                  u"Red\r\nRGB(255,0,0)\r\nHex=FF0000\r\nContrast 1.58:1\r\n\r\n");
        Mouse(dialog, WM_MOUSEMOVE, {1, 1});
        EXPECT_NE(GetCapture(), dialog);
    });
}
