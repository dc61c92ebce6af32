#include <gtest/gtest.h>

#include "CclickHSlider.h"
#include "SkinFolder.h"
#include "SkinMessages.h"
#include "SkinTestSupport.h"

namespace {

constexpr int kId = 300;

// A 200-pixel track at (20, 40) with the skins' thumb picture.
class SliderTest : public testing::Test {
protected:
    void SetUp() override
    {
        background = SolidBitmap(400, 300, RGB(30, 30, 30));
        ASSERT_TRUE(slider.Create(SkinFolder() + "scroll_arrow_down.bmp", 20, 40, 220, 56, host.Handle(), kId));
        slider.SetPos(0);
        slider.SetBackground(20, 40, 220, 56, background.get());
        Pump(20);
        host.Take();
    }

    Notice LastNotice()
    {
        const std::vector<Notice> got = host.Take();
        return got.empty() ? Notice{} : got.back();
    }

    int ThumbLeft()
    {
        RECT r{};
        GetWindowRect(slider.Thumb().Handle(), &r);
        MapWindowPoints(nullptr, slider.Handle(), reinterpret_cast<POINT*>(&r), 2);
        return r.left;
    }

    void ClickTrack(int x)
    {
        PostMessageA(slider.Handle(), WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(x, 8));
        PostMessageA(slider.Handle(), WM_LBUTTONUP, 0, MAKELPARAM(x, 8));
        Pump(20);
    }

    NoticeHost& host = NoticeHost::Shared();
    UniqueGdi<HBITMAP> background;
    CclickHSlider slider;
};

TEST_F(SliderTest, AClickPostsExactlyOneValue)
{
    ClickTrack(150);  // 7.5, truncated
    EXPECT_EQ(host.Take(), (std::vector<Notice>{{WM_SLIDER_POS, 7, kId}}));
    EXPECT_EQ(slider.Value(), 7);
    slider.SetRound(true);
    ClickTrack(150);
    EXPECT_EQ(host.Take(), (std::vector<Notice>{{WM_SLIDER_POS, 8, kId}}));
}

TEST_F(SliderTest, SetPosPostsNothingAndClampsToTheRange)
{
    slider.SetPos(99);
    Pump(20);
    EXPECT_TRUE(host.Take().empty());
    EXPECT_EQ(slider.Value(), 10);
    EXPECT_EQ(ThumbLeft(), 200 - slider.Thumb().Width());
}

TEST_F(SliderTest, DraggingPastTheEndsStopsAtTheEnds)
{
    const int half = slider.Thumb().Width() / 2;
    MouseTo(slider.Handle(), ThumbLeft() + half, 8);
    MouseButton(true);
    MouseTo(slider.Handle(), 120, 8);
    MouseTo(slider.Handle(), 390, 8);  // far past the right end
    EXPECT_EQ(ThumbLeft(), 200 - slider.Thumb().Width());
    MouseButton(false);
    std::vector<Notice> got = host.Take();
    ASSERT_FALSE(got.empty());
    EXPECT_EQ(got.back(), (Notice{WM_SLIDER_POS, 10, kId}));
    for (const Notice& n : got) EXPECT_EQ(n.message, WM_SLIDER_POS) << n;

    MouseTo(slider.Handle(), ThumbLeft() + half, 8);
    MouseButton(true);
    MouseTo(slider.Handle(), -300, 8);  // past the left end
    MouseButton(false);
    EXPECT_EQ(ThumbLeft(), 0);
    EXPECT_EQ(LastNotice(), (Notice{WM_SLIDER_POS, 0, kId}));
}

TEST_F(SliderTest, RoundingSnapsTheThumbOnRelease)
{
    slider.SetRound(true);
    const int half = slider.Thumb().Width() / 2;
    const int travel = 200 - slider.Thumb().Width();
    // Drop the thumb a little past the place of 4: it snaps back to exactly that place.
    const int target = travel * 4 / 10 + 3;
    MouseTo(slider.Handle(), ThumbLeft() + half, 8);
    MouseButton(true);
    MouseTo(slider.Handle(), target + half, 8);
    MouseButton(false);
    EXPECT_EQ(LastNotice(), (Notice{WM_SLIDER_POS, 4, kId}));
    EXPECT_EQ(ThumbLeft(), travel * 4 / 10);
}

TEST_F(SliderTest, TheThumbIsShapedByItsTopLeftColour)
{
    UniqueGdi<HRGN> region(CreateRectRgn(0, 0, 0, 0));
    ASSERT_NE(GetWindowRgn(slider.Thumb().Handle(), region.get()), ERROR);
    EXPECT_FALSE(PtInRegion(region.get(), 0, 0));  // the key colour's own pixel
    const int w = slider.Thumb().Width();
    EXPECT_TRUE(PtInRegion(region.get(), w / 2, 8));
}

TEST(SliderCreation, AMissingThumbPictureMakesNoWindow)
{
    NoticeHost& host = NoticeHost::Shared();
    CclickHSlider slider;
    EXPECT_FALSE(slider.Create(SkinFolder() + "no_such_thumb.bmp", 0, 0, 200, 16, host.Handle(), 1));
    EXPECT_EQ(slider.Handle(), nullptr);
}

}  // namespace
