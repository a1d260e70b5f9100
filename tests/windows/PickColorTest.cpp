#include <gtest/gtest.h>

#include "TestHost.h"

namespace {

constexpr std::uint32_t kOrangeHalfAlpha = 0x800080FF;
constexpr std::uint32_t kSentinel = 0x12345678;

class PickColor : public ::testing::Test {
protected:
    PickColor() : requester(&frame)
    {
        picker.host.Core()->SetMainWindow(requester.Handle());
        extension = picker.module.CreatePicker();
    }
    ~PickColor() override
    {
        if (extension)
            extension->Release();
    }

    PickerRequest Request(std::uint32_t color, std::uint32_t options = 0)
    {
        PickerRequest request{};
        request.word[1] = HandleToULong(requester.Handle());
        request.word[3] = color;
        request.word[5] = options;
        return request;
    }

    // Answers the dialog with a command once it waits for input; meanwhile
    // the caller's word 3 is overwritten, to see whether the picker writes it.
    void AnswerWith(int command, PickerRequest& request)
    {
        requester.onIdle = [this, command, &request](HWND dialog) {
            dialogSeen = dialog;
            modalWhileOpen = frame.IsModal();
            ownerWhileOpen = GetWindow(dialog, GW_OWNER);
            request.word[3] = kSentinel;
            PostMessageW(dialog, WM_COMMAND, command, 0);
        };
    }

    StartedPicker picker;
    RecordingFrame frame;
    RequesterWindow requester;
    jx_COLORPIKER* extension = nullptr;
    HWND dialogSeen = nullptr;
    HWND ownerWhileOpen = nullptr;
    bool modalWhileOpen = false;
};

} // namespace

TEST_F(PickColor, ConfirmedRunWritesTheColorBackInsideTheModalBracket)
{
    ASSERT_NE(extension, nullptr);
    PickerRequest request = Request(kOrangeHalfAlpha);
    AnswerWith(IDOK, request);
    EXPECT_EQ(extension->PickColor(&request), 1);
    ASSERT_NE(dialogSeen, nullptr);
    EXPECT_TRUE(modalWhileOpen);
    EXPECT_EQ(ownerWhileOpen, requester.Handle());
    EXPECT_EQ(frame.states, (std::vector<int>{1, 0}));
    EXPECT_FALSE(frame.IsModal());
    // The color the dialog ended with, alpha byte included.
    EXPECT_EQ(request.word[3], kOrangeHalfAlpha);
}

TEST_F(PickColor, CancelledRunLeavesWordThreeAsTheCallerSetIt)
{
    ASSERT_NE(extension, nullptr);
    PickerRequest request = Request(kOrangeHalfAlpha);
    AnswerWith(IDCANCEL, request);
    EXPECT_EQ(extension->PickColor(&request), 0);
    EXPECT_EQ(request.word[3], kSentinel);
    EXPECT_EQ(frame.states, (std::vector<int>{1, 0}));
}

TEST_F(PickColor, RunsWithoutAFrameBehindTheMainWindow)
{
    ASSERT_NE(extension, nullptr);
    SetWindowLongPtrW(requester.Handle(), 0, 0);
    PickerRequest request = Request(0x00FF0000);
    AnswerWith(IDOK, request);
    EXPECT_EQ(extension->PickColor(&request), 1);
    EXPECT_EQ(request.word[3], 0x00FF0000u);
    EXPECT_TRUE(frame.states.empty());
}

TEST_F(PickColor, EachRunIsAFreshDialog)
{
    ASSERT_NE(extension, nullptr);
    for (const std::uint32_t color : {0x00000000u, 0xFFFFFFFFu, 0x01020304u}) {
        PickerRequest request = Request(color);
        AnswerWith(IDOK, request);
        EXPECT_EQ(extension->PickColor(&request), 1);
        EXPECT_EQ(request.word[3], color);
    }
    EXPECT_EQ(frame.states, (std::vector<int>{1, 0, 1, 0, 1, 0}));
}

TEST_F(PickColor, TheDialogIsTemplate101Localized)
{
    ASSERT_NE(extension, nullptr);
    PickerRequest request = Request(0);
    struct Seen {
        std::u16string caption, ok, cancel, help, sizeMode, original, current, hex, rgb, palette, red, hue, alpha;
        LONG_PTR style = 0;
        bool fieldVisible = true, shelfVisible = true;
        wchar_t spinClass[32] = {}, toolbarClass[32] = {};
        RECT shelfRect{};
        RECT expectedShelfRect{174, 120, 174 + 171, 120 + 91};
    } seen;
    requester.onIdle = [&seen](HWND dialog) {
        seen.caption = WindowText(dialog);
        seen.ok = WindowText(GetDlgItem(dialog, 1));
        seen.cancel = WindowText(GetDlgItem(dialog, 2));
        seen.help = WindowText(GetDlgItem(dialog, 9));
        seen.sizeMode = WindowText(GetDlgItem(dialog, 1036));
        seen.original = WindowText(GetDlgItem(dialog, 1028));
        seen.current = WindowText(GetDlgItem(dialog, 1029));
        seen.hex = WindowText(GetDlgItem(dialog, 1030));
        seen.rgb = WindowText(GetDlgItem(dialog, 1031));
        seen.palette = WindowText(GetDlgItem(dialog, 1032));
        seen.red = WindowText(GetDlgItem(dialog, 1123));
        seen.hue = WindowText(GetDlgItem(dialog, 1126));
        seen.alpha = WindowText(GetDlgItem(dialog, 1129));
        seen.style = GetWindowLongPtrW(dialog, GWL_STYLE);
        seen.fieldVisible = IsWindowVisible(GetDlgItem(dialog, 1025));
        seen.shelfVisible = IsWindowVisible(GetDlgItem(dialog, 1026));
        GetClassNameW(GetDlgItem(dialog, 3006), seen.spinClass, 32);
        GetClassNameW(GetDlgItem(dialog, 1131), seen.toolbarClass, 32);
        GetWindowRect(GetDlgItem(dialog, 1026), &seen.shelfRect);
        MapWindowPoints(nullptr, dialog, reinterpret_cast<POINT*>(&seen.shelfRect), 2);
        MapDialogRect(dialog, &seen.expectedShelfRect);
        PostMessageW(dialog, WM_COMMAND, IDCANCEL, 0);
    };
    EXPECT_EQ(extension->PickColor(&request), 0);
    EXPECT_EQ(seen.caption, u"Color");
    EXPECT_EQ(seen.ok, u"Ok");
    EXPECT_EQ(seen.cancel, u"Cancel");
    EXPECT_EQ(seen.help, u"Help");
    EXPECT_EQ(seen.sizeMode, u">");
    EXPECT_EQ(seen.original, u"Original:");
    EXPECT_EQ(seen.current, u"Current:");
    EXPECT_EQ(seen.hex, u"Hex:");
    EXPECT_EQ(seen.rgb, u"RGB:");
    EXPECT_EQ(seen.palette, u"Palette");
    EXPECT_EQ(seen.red, u"R");
    EXPECT_EQ(seen.hue, u"H");
    EXPECT_EQ(seen.alpha, u"A");
    EXPECT_TRUE(seen.style & WS_THICKFRAME);
    EXPECT_TRUE(seen.style & WS_SYSMENU);
    EXPECT_FALSE(seen.fieldVisible);
    EXPECT_FALSE(seen.shelfVisible);
    EXPECT_STREQ(seen.spinClass, L"JX_UPDOWN");
    EXPECT_STREQ(seen.toolbarClass, L"JX_Toolbar");
    EXPECT_EQ(seen.shelfRect.left, seen.expectedShelfRect.left);
    EXPECT_EQ(seen.shelfRect.top, seen.expectedShelfRect.top);
    EXPECT_EQ(seen.shelfRect.right, seen.expectedShelfRect.right);
    EXPECT_EQ(seen.shelfRect.bottom, seen.expectedShelfRect.bottom);
}

TEST_F(PickColor, ANullRequestRunsNothing)
{
    ASSERT_NE(extension, nullptr);
    EXPECT_EQ(extension->PickColor(nullptr), 0);
    EXPECT_TRUE(frame.states.empty());
}
