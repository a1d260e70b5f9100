#include <gtest/gtest.h>

#include <map>

#include "resources/ResourceIds.h"
#include "tests/windows/TestHost.h"

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
        request.word[kPickerRequester] = HandleToULong(requester.Handle());
        request.word[kPickerColor] = color;
        request.word[kPickerOptions] = options;
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
            request.word[kPickerColor] = kSentinel;
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
    EXPECT_EQ(request.word[kPickerColor], kOrangeHalfAlpha);
}

TEST_F(PickColor, CancelledRunLeavesWordThreeAsTheCallerSetIt)
{
    ASSERT_NE(extension, nullptr);
    PickerRequest request = Request(kOrangeHalfAlpha);
    AnswerWith(IDCANCEL, request);
    EXPECT_EQ(extension->PickColor(&request), 0);
    EXPECT_EQ(request.word[kPickerColor], kSentinel);
    EXPECT_EQ(frame.states, (std::vector<int>{1, 0}));
}

TEST_F(PickColor, RunsWithoutAFrameBehindTheMainWindow)
{
    ASSERT_NE(extension, nullptr);
    SetWindowLongPtrW(requester.Handle(), 0, 0);
    PickerRequest request = Request(0x00FF0000);
    AnswerWith(IDOK, request);
    EXPECT_EQ(extension->PickColor(&request), 1);
    EXPECT_EQ(request.word[kPickerColor], 0x00FF0000u);
    EXPECT_TRUE(frame.states.empty());
}

TEST_F(PickColor, EachRunIsAFreshDialog)
{
    ASSERT_NE(extension, nullptr);
    for (const std::uint32_t color : {0x00000000u, 0xFFFFFFFFu, 0x01020304u}) {
        PickerRequest request = Request(color);
        AnswerWith(IDOK, request);
        EXPECT_EQ(extension->PickColor(&request), 1);
        EXPECT_EQ(request.word[kPickerColor], color);
    }
    EXPECT_EQ(frame.states, (std::vector<int>{1, 0, 1, 0, 1, 0}));
}

TEST_F(PickColor, TheDialogIsTemplate101Localized)
{
    ASSERT_NE(extension, nullptr);
    PickerRequest request = Request(0);
    const std::map<int, std::u16string> expectedTexts = {
        {0, u"Color"},
        {IDOK, u"Ok"},
        {IDCANCEL, u"Cancel"},
        {IDC_HELP_BUTTON, u"Help"},
        {IDC_SIZE_MODE, u">"},
        {IDC_ORIGINAL_LABEL, u"Original:"},
        {IDC_CURRENT_LABEL, u"Current:"},
        {IDC_HEX_LABEL, u"Hex:"},
        {IDC_RGB_LABEL, u"RGB:"},
        {IDC_PALETTE_LABEL, u"Palette"},
        {IDC_MODE_RED, u"R"},
        {IDC_MODE_HUE, u"H"},
        {IDC_ALPHA_LABEL, u"A"},
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
        placeholderVisible =
            IsWindowVisible(GetDlgItem(dialog, IDC_FIELD)) || IsWindowVisible(GetDlgItem(dialog, IDC_SHELF));
        GetClassNameW(GetDlgItem(dialog, IDC_RED_SPIN), spinClass, 32);
        GetClassNameW(GetDlgItem(dialog, IDC_PALETTE_TOOLBAR), toolbarClass, 32);
        GetWindowRect(GetDlgItem(dialog, IDC_SHELF), &shelf);
        MapWindowPoints(nullptr, dialog, reinterpret_cast<POINT*>(&shelf), 2);
        MapDialogRect(dialog, &expectedShelf);
        // The dialog takes one pixel off the shelf's placeholder at start-up.
        --expectedShelf.bottom;
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

TEST_F(PickColor, ARequesterThatIsGoneOpensNoDialog)
{
    ASSERT_NE(extension, nullptr);
    HWND gone = CreateWindowExW(0, L"STATIC", L"", WS_POPUP, 0, 0, 1, 1, nullptr, nullptr, nullptr, nullptr);
    DestroyWindow(gone);
    PickerRequest request = Request(kOrangeHalfAlpha);
    request.word[kPickerRequester] = HandleToULong(gone);
    AnswerWith(IDOK, request);
    // Windows refuses a dialog whose owner is gone with 0, as if cancelled,
    // so the caller keeps its color.
    EXPECT_EQ(extension->PickColor(&request), 0);
    EXPECT_EQ(dialogSeen, nullptr);
    EXPECT_EQ(request.word[kPickerColor], kOrangeHalfAlpha);
    EXPECT_EQ(frame.states, (std::vector<int>{1, 0}));
}
