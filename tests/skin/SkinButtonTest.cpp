#include <gtest/gtest.h>

#include "CSkinColorButton.h"
#include "SkinMessages.h"
#include "SkinTestSupport.h"

namespace {

constexpr COLORREF kNormal = RGB(200, 0, 0), kOver = RGB(0, 200, 0), kDown = RGB(0, 0, 200), kDisable = RGB(90, 90, 90);

// A host with four plain-colour state pictures, so the colour on screen names the picture.
class SkinButtonTest : public testing::Test {
protected:
    void SetUp() override
    {
        normal = SolidBitmap(400, 300, kNormal);
        over = SolidBitmap(400, 300, kOver);
        down = SolidBitmap(400, 300, kDown);
        disable = SolidBitmap(400, 300, kDisable);
    }

    void Make(CSkinButton& button, int left, int userValue)
    {
        SkinControlPos pos;
        pos.rect = {left, 20, left + 60, 50};
        ASSERT_TRUE(button.CreateFromSkin(host.Handle(), pos, {normal.get(), over.get(), down.get(), disable.get()}));
        button.SetUserValue(userValue);
    }

    COLORREF Shown(const CSkinButton& button)
    {
        UpdateWindow(button.Handle());
        Pump(20);
        return ScreenPixel(button.Handle(), 30, 15);
    }

    NoticeHost& host = NoticeHost::Shared();
    UniqueGdi<HBITMAP> normal, over, down, disable;
};

TEST_F(SkinButtonTest, PictureFollowsTheStates)
{
    CSkinButton push, toggle;
    Make(push, 10, 0);
    Make(toggle, 100, 0);
    toggle.SetToggle(true);
    struct Step {
        const char* what;
        bool checked;
        bool enabled;
        COLORREF push;
        COLORREF toggle;
    };
    const Step steps[] = {
        {"plain", false, true, kNormal, kNormal},
        {"checked", true, true, kDown, kDown},
        {"checked and disabled", true, false, kDisable, kDisable},
        {"disabled", false, false, kDisable, kDisable},
    };
    for (const Step& s : steps) {
        SCOPED_TRACE(s.what);
        for (CSkinButton* b : {&push, &toggle}) {
            b->SetCheck(s.checked);
            EnableWindow(b->Handle(), s.enabled);
            InvalidateRect(b->Handle(), nullptr, FALSE);
        }
        EXPECT_EQ(Shown(push), s.push);
        EXPECT_EQ(Shown(toggle), s.toggle);
    }
}

TEST_F(SkinButtonTest, SetCheckWithTheStoredValueDoesNotRepaint)
{
    CSkinButton button;
    Make(button, 10, 0);
    Shown(button);
    button.SetCheck(false);
    EXPECT_FALSE(GetUpdateRect(button.Handle(), nullptr, FALSE));
    button.SetCheck(true);
    EXPECT_TRUE(GetUpdateRect(button.Handle(), nullptr, FALSE));
}

TEST_F(SkinButtonTest, HoverMovesFromAButtonToItsNeighbour)
{
    CSkinButton first, second;
    Make(first, 10, 1);
    Make(second, 70, 2);  // touching the first one
    MouseTo(host.Handle(), 300, 200);
    host.Take();

    MouseTo(host.Handle(), 40, 35);
    EXPECT_EQ(host.Take(), (std::vector<Notice>{{WM_SKIN_HOVER, 1, 1}}));
    EXPECT_EQ(GetCapture(), first.Handle());
    EXPECT_EQ(Shown(first), kOver);

    MouseTo(host.Handle(), 100, 35);
    MouseTo(host.Handle(), 102, 35);
    EXPECT_EQ(host.Take(), (std::vector<Notice>{{WM_SKIN_HOVER, 0, 1}, {WM_SKIN_HOVER, 1, 2}}));
    EXPECT_EQ(GetCapture(), second.Handle());
    EXPECT_FALSE(first.Hover());
    EXPECT_EQ(Shown(first), kNormal);
    EXPECT_EQ(Shown(second), kOver);

    MouseTo(host.Handle(), 300, 200);
    EXPECT_EQ(host.Take(), (std::vector<Notice>{{WM_SKIN_HOVER, 0, 2}}));
    EXPECT_EQ(GetCapture(), nullptr);
}

TEST_F(SkinButtonTest, DraggingOffAButtonKeepsTheCaptureUntilRelease)
{
    CSkinButton button;
    Make(button, 10, 3);
    MouseTo(host.Handle(), 40, 35);
    MouseButton(true);
    MouseTo(host.Handle(), 300, 200);
    EXPECT_EQ(GetCapture(), button.Handle());
    MouseButton(false);
    EXPECT_NE(GetCapture(), button.Handle());
}

TEST_F(SkinButtonTest, ToggleClicksFlipTheStateAndReportEachClick)
{
    CSkinButton toggle;
    Make(toggle, 10, 0);
    toggle.SetToggle(true);
    MouseTo(host.Handle(), 40, 35);
    host.Take();
    const Notice click{WM_COMMAND, BN_CLICKED, reinterpret_cast<LPARAM>(toggle.Handle())};
    for (bool expected : {true, false}) {
        MouseButton(true);
        MouseButton(false);
        EXPECT_EQ(toggle.GetCheck(), expected);
        EXPECT_EQ(host.Take(), std::vector<Notice>{click});
    }
    EXPECT_EQ(Shown(toggle), kOver);  // unchecked and hovered
}

TEST_F(SkinButtonTest, ColourButtonPaintsAClippedSwatch)
{
    CSkinColorButton button;
    SkinControlPos pos;
    pos.rect = {10, 20, 50, 60};
    ASSERT_TRUE(button.CreateFromSkin(host.Handle(), pos, {normal.get(), over.get(), down.get(), disable.get()}));
    button.SetColor(RGB(255, 0, 0) == kNormal ? RGB(0, 255, 0) : RGB(255, 0, 0));
    InvalidateRect(button.Handle(), nullptr, FALSE);
    UpdateWindow(button.Handle());
    Pump(20);
    const struct {
        int x, y;
        COLORREF colour;
    } pixels[] = {{1, 1, kNormal}, {34, 1, kNormal}, {1, 34, kNormal}, {34, 34, kNormal}, {0, 17, kNormal},
                  {35, 17, kNormal}, {2, 1, RGB(255, 0, 0)}, {1, 2, RGB(255, 0, 0)}, {17, 17, RGB(255, 0, 0)},
                  {34, 33, RGB(255, 0, 0)}};
    for (const auto& p : pixels) EXPECT_EQ(ScreenPixel(button.Handle(), p.x, p.y), p.colour) << p.x << "," << p.y;
}

}  // namespace
