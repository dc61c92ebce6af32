#include <gtest/gtest.h>

#include "CSkinLevelSpin.h"
#include "CSkinSpinEdit.h"
#include "SkinMessages.h"
#include "SkinTestSupport.h"

namespace {

constexpr int kId = 77;

template <typename Spin>
class SpinFixture : public testing::Test {
protected:
    void SetUp() override
    {
        picture = SolidBitmap(400, 300, RGB(40, 40, 40));
        ASSERT_TRUE(spin.Create(10, 10, 74, 32, host.Handle(), kId));
        spin.SetSkin(10, 10, 74, 32, picture.get(), picture.get(), picture.get(), picture.get());
        Pump(20);
        host.Take();
    }

    void Click(CSkinButton& arrow)
    {
        SendMessageA(spin.Handle(), WM_COMMAND, MAKEWPARAM(0, BN_CLICKED), reinterpret_cast<LPARAM>(arrow.Handle()));
        Pump(20);
    }

    // The spin values posted since the last call.
    std::vector<int> Posted()
    {
        std::vector<int> values;
        for (const Notice& n : host.Take()) {
            EXPECT_EQ(n.message, WM_SPIN_VALUE);
            EXPECT_EQ(n.lParam, kId);
            values.push_back(static_cast<int>(n.wParam));
        }
        return values;
    }

    NoticeHost& host = NoticeHost::Shared();
    UniqueGdi<HBITMAP> picture;
    Spin spin;
};

using SpinEditTest = SpinFixture<CSkinSpinEdit>;
using LevelSpinTest = SpinFixture<CSkinLevelSpin>;

TEST_F(SpinEditTest, TypingIsSnappedAndLimited)
{
    spin.SetRange(0, 255);
    for (char c : {'3', '0', '0'}) {
        PostMessageA(spin.NumberBox().Handle(), WM_CHAR, c, 1);
        Pump(20);
    }
    EXPECT_EQ(spin.NumberBox().Text(), "255");
    // The correction to 255 is a change of its own, reported again.
    EXPECT_EQ(Posted(), (std::vector<int>{3, 30, 255, 255}));
    spin.NumberBox().SetText("");
    Pump(20);
    EXPECT_EQ(Posted(), (std::vector<int>{0}));
    EXPECT_EQ(spin.NumberBox().Text(), "");
}

TEST_F(SpinEditTest, StepFiveSnapsAtOnce)
{
    spin.SetRange(0, 255);
    spin.SetStep(5);
    PostMessageA(spin.NumberBox().Handle(), WM_CHAR, '1', 1);
    Pump(20);
    EXPECT_EQ(spin.NumberBox().Text(), "0");
    spin.SetValue(13);
    Pump(20);
    EXPECT_EQ(spin.NumberBox().Text(), "15");
    EXPECT_EQ(spin.Value(), 15);
}

TEST_F(SpinEditTest, ArrowsStopAtTheEnds)
{
    spin.SetRange(0, 255);
    spin.SetValue(255);
    Pump(20);
    Posted();
    Click(spin.UpArrow());
    EXPECT_TRUE(Posted().empty());
    EXPECT_EQ(spin.NumberBox().Text(), "255");
    Click(spin.DownArrow());
    EXPECT_EQ(Posted(), (std::vector<int>{254}));
    spin.SetValue(0);
    Pump(20);
    Posted();
    Click(spin.DownArrow());
    EXPECT_TRUE(Posted().empty());
}

TEST_F(LevelSpinTest, ArrowsWalkTheTable)
{
    spin.SetRange(1, 12);
    spin.SetValue(12);
    Click(spin.UpArrow());
    EXPECT_TRUE(Posted().empty());
    spin.SetValue(1);
    Click(spin.DownArrow());
    EXPECT_TRUE(Posted().empty());
    Click(spin.UpArrow());
    EXPECT_EQ(Posted(), (std::vector<int>{2}));
    EXPECT_EQ(spin.NumberBox().Text(), "2");
    // A value missing from the table shows as it is; up then gives 3.
    spin.SetValue(0);
    EXPECT_EQ(spin.NumberBox().Text(), "0");
    Click(spin.UpArrow());
    EXPECT_EQ(Posted(), (std::vector<int>{3}));
}

}  // namespace
