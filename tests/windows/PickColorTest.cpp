#include <gtest/gtest.h>

#include <map>

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
    const std::map<int, std::u16string> expectedTexts = {
        {0, u"Color"},        {1, u"Ok"},          {2, u"Cancel"},  {9, u"Help"},    {1036, u">"},
        {1028, u"Original:"}, {1029, u"Current:"}, {1030, u"Hex:"}, {1031, u"RGB:"}, {1032, u"Palette"},
        {1123, u"R"},         {1126, u"H"},        {1129, u"A"},
    };
    std::map<int, std::u16string> texts;
    LONG_PTR style = 0;
    bool placeholderVisible = true;
    wchar_t spinClass[32] = {}, toolbarClass[32] = {};
    RECT shelf{}, expectedShelf{174, 120, 174 + 171, 120 + 91};
    requester.onIdle = [&](HWND dialog) {
        for (const auto& [id, text] : expectedTexts)
            texts[id] = WindowText(id ? GetDlgItem(dialog, id) : dialog);
        style = GetWindowLongPtrW(dialog, GWL_STYLE);
        placeholderVisible = IsWindowVisible(GetDlgItem(dialog, 1025)) || IsWindowVisible(GetDlgItem(dialog, 1026));
        GetClassNameW(GetDlgItem(dialog, 3006), spinClass, 32);
        GetClassNameW(GetDlgItem(dialog, 1131), toolbarClass, 32);
        GetWindowRect(GetDlgItem(dialog, 1026), &shelf);
        MapWindowPoints(nullptr, dialog, reinterpret_cast<POINT*>(&shelf), 2);
        MapDialogRect(dialog, &expectedShelf);
        PostMessageW(dialog, WM_COMMAND, IDCANCEL, 0);
    };
    EXPECT_EQ(extension->PickColor(&request), 0);
    EXPECT_EQ(texts, expectedTexts);
    EXPECT_TRUE(style & WS_THICKFRAME);
    EXPECT_TRUE(style & WS_SYSMENU);
    EXPECT_FALSE(placeholderVisible);
    EXPECT_STREQ(spinClass, L"JX_UPDOWN");
    EXPECT_STREQ(toolbarClass, L"JX_Toolbar");
    EXPECT_TRUE(EqualRect(&shelf, &expectedShelf));
}

TEST_F(PickColor, ANullRequestRunsNothing)
{
    ASSERT_NE(extension, nullptr);
    EXPECT_EQ(extension->PickColor(nullptr), 0);
    EXPECT_TRUE(frame.states.empty());
}
