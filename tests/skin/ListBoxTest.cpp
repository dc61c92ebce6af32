#include <gtest/gtest.h>

#include "CSkinListBox.h"
#include "OptionResources.h"
#include "SkinMessages.h"
#include "SkinTestSupport.h"

namespace {

constexpr int kListId = 4096;

class ListBoxTest : public testing::Test {
protected:
    void SetUp() override
    {
        ASSERT_TRUE(list.Create(WS_VISIBLE | WS_VSCROLL | LBS_OWNERDRAWVARIABLE | LBS_HASSTRINGS | LBS_NOTIFY,
                                {10, 10, 210, 200}, host.Handle(), kListId));
        list.SetNotifyId(kListId);
        list.SetColors(RGB(0, 0, 0), RGB(250, 158, 57));
        list.SetTextColors(RGB(255, 255, 255), RGB(255, 255, 255));
        list.AddLine(0, "first");
        list.AddLine((3 << 16) + IDB_LIST_CLOCK, "50 ms");
        Pump(20);
        host.Take();
    }

    void Release(UINT vk)
    {
        ASSERT_NE(list.EditBox(), nullptr);
        PostMessageA(list.EditBox(), WM_KEYUP, vk, 0xC0000001);
        Pump(20);
    }

    NoticeHost& host = NoticeHost::Shared();
    CSkinListBox list;
};

TEST_F(ListBoxTest, NewLineCommittedWithReturn)
{
    list.BeginNewLine();
    ASSERT_NE(list.EditBox(), nullptr);
    EXPECT_EQ(GetFocus(), list.EditBox());
    SetWindowTextA(list.EditBox(), "macro one");
    Release(VK_RETURN);
    EXPECT_EQ(list.EditBox(), nullptr);
    ASSERT_EQ(list.LineCount(), 3);
    EXPECT_EQ(list.LineText(2), "macro one");
    EXPECT_EQ(SendMessageA(list.Handle(), LB_GETCURSEL, 0, 0), 2);
    EXPECT_EQ(host.Take(), (std::vector<Notice>{{WM_LIST_EDITED, 2, kListId}}));
}

TEST_F(ListBoxTest, EmptiedLineIsRemovedWithoutNotice)
{
    SendMessageA(list.Handle(), LB_SETCURSEL, 1, 0);
    list.EditSelectedLine();
    ASSERT_NE(list.EditBox(), nullptr);
    SetWindowTextA(list.EditBox(), "");
    Release(VK_RETURN);
    ASSERT_EQ(list.LineCount(), 1);
    EXPECT_EQ(list.LineText(0), "first");
    EXPECT_TRUE(host.Take().empty());
}

TEST_F(ListBoxTest, EscapeRemovesTheEditedLine)
{
    SendMessageA(list.Handle(), LB_SETCURSEL, 0, 0);
    list.EditSelectedLine();
    Release(VK_ESCAPE);
    EXPECT_EQ(list.EditBox(), nullptr);
    ASSERT_EQ(list.LineCount(), 1);
    EXPECT_EQ(list.LineText(0), "50 ms");
    EXPECT_TRUE(host.Take().empty());
}

TEST_F(ListBoxTest, FocusBackOnTheListCommitsKeepingTheItemData)
{
    SendMessageA(list.Handle(), LB_SETCURSEL, 1, 0);
    list.EditSelectedLine();
    SetWindowTextA(list.EditBox(), "75");
    SetFocus(list.Handle());
    Pump(20);
    EXPECT_EQ(list.EditBox(), nullptr);
    EXPECT_EQ(list.LineText(1), "75");
    EXPECT_EQ(SendMessageA(list.Handle(), LB_GETITEMDATA, 1, 0), (3 << 16) + IDB_LIST_CLOCK);
    EXPECT_EQ(host.Take(), (std::vector<Notice>{{WM_LIST_EDITED, 1, kListId}}));
}

TEST_F(ListBoxTest, OnlyOneInlineEditAtATime)
{
    list.BeginNewLine();
    const HWND first = list.EditBox();
    list.BeginNewLine();
    EXPECT_EQ(list.EditBox(), first);
    EXPECT_EQ(list.LineCount(), 3);
}

TEST_F(ListBoxTest, RightButtonIsReported)
{
    PostMessageA(list.Handle(), WM_RBUTTONDOWN, MK_RBUTTON, MAKELPARAM(20, 5));
    Pump(20);
    EXPECT_EQ(host.Take(), (std::vector<Notice>{{WM_LIST_RBUTTON, 0, kListId}}));
}

}  // namespace
