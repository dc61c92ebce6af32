#include <gtest/gtest.h>

#include "CBitmapEdit.h"
#include "MessageLoop.h"
#include "SkinMessages.h"
#include "SkinTestSupport.h"

namespace {

class BitmapEditTest : public testing::Test {
protected:
    void SetUp() override
    {
        ASSERT_TRUE(edit.Create(WS_VISIBLE | WS_TABSTOP | ES_AUTOHSCROLL, {10, 10, 200, 32}, host.Handle(), 0));
        edit.SetNumberFilter(true);
        edit.ApplyFont();
        SetFocus(edit.Handle());
        Pump(20);
        host.Take();
    }

    // A key as the keyboard would send it: through the message loop, so that the
    // translation (and the filter before it) sees it.
    void Key(UINT vk, bool down)
    {
        PostMessageA(edit.Handle(), down ? WM_KEYDOWN : WM_KEYUP, vk, down ? 1 : 0xC0000001);
        Pump(20);
    }
    void Press(UINT vk)
    {
        Key(vk, true);
        Key(vk, false);
    }

    const Notice changed{BitmapEditKillFocusMessage(), 0, 0};
    NoticeHost& host = NoticeHost::Shared();
    CBitmapEdit edit;
};

TEST_F(BitmapEditTest, PastedTextIsCleanedAndBothChangesAreReported)
{
    SendMessageA(edit.Handle(), EM_REPLACESEL, TRUE, reinterpret_cast<LPARAM>("12a,5"));
    Pump(20);
    EXPECT_EQ(edit.Text(), "12,5");
    EXPECT_EQ(host.Take(), (std::vector<Notice>{changed, changed}));
}

TEST_F(BitmapEditTest, FilterLetsMainKeyboardDigitsThroughOnly)
{
    Press(VK_NUMPAD5);
    Press('A');
    EXPECT_EQ(edit.Text(), "");
    EXPECT_TRUE(host.Take().empty());
    Press('5');
    EXPECT_EQ(edit.Text(), "5");
    // One change notice per keystroke that changes the text; Return released posts 1116.
    Press(VK_RETURN);
    EXPECT_EQ(host.Take(), (std::vector<Notice>{changed, {WM_EDIT_RETURN, VK_RETURN, 0}}));
    Press(VK_RETURN);
    EXPECT_EQ(host.Take(), (std::vector<Notice>{{WM_EDIT_RETURN, VK_RETURN, 0}}));
}

TEST_F(BitmapEditTest, LeavingTheBoxIsReported)
{
    SetFocus(host.Handle());
    Pump(20);
    EXPECT_EQ(host.Take(), (std::vector<Notice>{{BitmapEditKillFocusMessage(), 1, 0}}));
}

TEST_F(BitmapEditTest, ColoursComeFromTheBox)
{
    edit.SetColors(RGB(1, 2, 3), RGB(10, 200, 30));
    InvalidateRect(edit.Handle(), nullptr, TRUE);
    UpdateWindow(edit.Handle());
    Pump(20);
    EXPECT_EQ(ScreenPixel(edit.Handle(), 150, 10), RGB(10, 200, 30));
}

}  // namespace
