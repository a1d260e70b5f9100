// A dialog's child looked up by id and remembered: it answers as GetDlgItem
// does, also once the child it remembered is gone, renumbered or moved.
#include <gtest/gtest.h>

#include "common/DialogItem.h"

namespace {

HWND MakeWindow(HWND parent, int id)
{
    return CreateWindowExW(0, L"STATIC", L"", parent ? WS_CHILD : WS_POPUP, 0, 0, 10, 10, parent,
                           reinterpret_cast<HMENU>(static_cast<INT_PTR>(id)), GetModuleHandleW(nullptr), nullptr);
}

class DialogItemTest : public ::testing::Test {
protected:
    void TearDown() override
    {
        DestroyWindow(first);
        DestroyWindow(second);
    }
    HWND first = MakeWindow(nullptr, 0);
    HWND second = MakeWindow(nullptr, 0);
};

} // namespace

TEST_F(DialogItemTest, FindsWhatGetDlgItemFindsInEachDialog)
{
    HWND a = MakeWindow(first, 7);
    HWND b = MakeWindow(second, 7);
    MakeWindow(first, 8);
    for (int round = 0; round < 2; ++round) {
        EXPECT_EQ(DialogItem(first, 7), a);
        EXPECT_EQ(DialogItem(second, 7), b);
        EXPECT_EQ(DialogItem(first, 8), GetDlgItem(first, 8));
        EXPECT_EQ(DialogItem(first, 9), nullptr);
    }
}

TEST_F(DialogItemTest, ARememberedChildThatChangedIsLookedUpAgain)
{
    HWND gone = MakeWindow(first, 7);
    ASSERT_EQ(DialogItem(first, 7), gone);
    DestroyWindow(gone);
    EXPECT_EQ(DialogItem(first, 7), nullptr);
    HWND replacement = MakeWindow(first, 7);
    EXPECT_EQ(DialogItem(first, 7), replacement);

    SetWindowLongPtrW(replacement, GWLP_ID, 9);
    EXPECT_EQ(DialogItem(first, 7), nullptr);
    EXPECT_EQ(DialogItem(first, 9), replacement);

    SetParent(replacement, second);
    EXPECT_EQ(DialogItem(first, 9), nullptr);
    EXPECT_EQ(DialogItem(second, 9), replacement);
}
