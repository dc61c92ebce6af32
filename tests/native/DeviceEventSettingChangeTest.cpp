#include "SettingChange.h"

#include <cstring>

#include <gtest/gtest.h>

#include "DeviceReportTestSupport.h"

namespace {

class DeviceEventSettingChange : public ::testing::Test {
protected:
    std::unique_ptr<SettingsBlock> block = DefaultBlock();

    SettingChange Apply(uint16_t kind, uint16_t value, bool macroNoticeOn = true)
    {
        return ApplySettingEvent(*block, kind, value, macroNoticeOn);
    }
    // Whether the block is byte for byte the factory block.
    bool Untouched() const { return std::memcmp(block.get(), DefaultBlock().get(), sizeof(SettingsBlock)) == 0; }
};

}  // namespace

TEST_F(DeviceEventSettingChange, ProfileSwitchOnTheMouse)
{
    const SettingChange c = Apply(0x0800, 3);
    EXPECT_EQ(2, block->CurrentProfile);
    EXPECT_TRUE(c.Accepted && c.SaveCurrentProfile && c.CopyToMapping && c.PostProfileReload && c.PostRefresh);
    EXPECT_TRUE(c.ProfileNotice);
    EXPECT_EQ(2u << 16, c.NoticeLParam);
    EXPECT_FALSE(c.DpiNotice || c.MacroNotice);
}

TEST_F(DeviceEventSettingChange, ProfileOutsideOneToFiveIsRefused)
{
    for (uint16_t value : {0, 6, 0x0101}) {
        EXPECT_FALSE(Apply(0x0800, value).Accepted) << value;
        EXPECT_FALSE(Apply(0x08AB, value).Accepted) << value;
    }
    EXPECT_TRUE(Untouched());
    Apply(0x08AB, 5);
    EXPECT_EQ(4, block->CurrentProfile);
}

TEST_F(DeviceEventSettingChange, DpiLevelOfTheCurrentProfile)
{
    block->CurrentProfile = 3;
    const SettingChange c = Apply(0x0700, 5);
    EXPECT_EQ(4, block->Profiles[3].CpiStep);
    EXPECT_EQ(1, block->Profiles[0].CpiStep);
    EXPECT_TRUE(c.Accepted && c.CopyToMapping && c.PostRefresh && c.DpiNotice);
    EXPECT_EQ(5, c.DpiLevel);
    EXPECT_FALSE(c.PostProfileReload || c.ProfileNotice || c.SaveCurrentProfile);
}

TEST_F(DeviceEventSettingChange, DpiLevelsAboveFiveAreAnnouncedButNotStored)
{
    const SettingChange c = Apply(0x07FF, 7);
    EXPECT_TRUE(c.Accepted && c.DpiNotice);
    EXPECT_EQ(7, c.DpiLevel);
    EXPECT_TRUE(Untouched());
    EXPECT_FALSE(Apply(0x0700, 9).Accepted);
    EXPECT_FALSE(Apply(0x0700, 0).Accepted);
}

TEST_F(DeviceEventSettingChange, InvalidCurrentProfileActsOnTheFirstProfile)
{
    block->CurrentProfile = -1;
    Apply(0x0700, 3);
    EXPECT_EQ(2, block->Profiles[0].CpiStep);
    block->CurrentProfile = 99;
    Apply(0xC000, 0x0505);
    EXPECT_EQ(5, block->Profiles[0].Sensitivity_X);
}

TEST_F(DeviceEventSettingChange, SensitivityHalvesAreCheckedApart)
{
    struct Case {
        uint16_t value;
        bool accepted;
        int32_t x, y;
    };
    const Case cases[] = {
        {0x0A0C, true, 12, 10}, {0x1401, true, 1, 20}, {0x1505, true, 5, 10},
        {0x0315, true, 10, 3},  {0x0015, false, 10, 10}, {0x0000, false, 10, 10},
    };
    for (const Case& c : cases) {
        block = DefaultBlock();
        const SettingChange change = Apply(0xC000, c.value);
        EXPECT_EQ(c.accepted, change.Accepted) << std::hex << c.value;
        EXPECT_EQ(c.accepted, change.CopyToMapping && change.PostRefresh) << std::hex << c.value;
        EXPECT_EQ(c.x, block->Profiles[0].Sensitivity_X) << std::hex << c.value;
        EXPECT_EQ(c.y, block->Profiles[0].Sensitivity_Y) << std::hex << c.value;
    }
}

TEST_F(DeviceEventSettingChange, ReportIntervalToPollingRate)
{
    struct Case {
        uint16_t value;
        bool accepted;
        int32_t rate;
    };
    // Intervals with no choice of their own leave the rate as it was (2 by default).
    const Case cases[] = {{8, true, 0}, {4, true, 1}, {2, true, 2}, {1, true, 3}, {3, true, 2},
                          {7, true, 2}, {0, false, 2}, {9, false, 2}};
    for (const Case& c : cases) {
        block = DefaultBlock();
        const SettingChange change = Apply(0x01F2, c.value);
        EXPECT_EQ(c.accepted, change.Accepted) << c.value;
        EXPECT_EQ(c.rate, block->Profiles[0].PollingRate) << c.value;
        EXPECT_FALSE(change.DpiNotice || change.ProfileNotice) << c.value;
    }
}

TEST_F(DeviceEventSettingChange, MacroButtonNotice)
{
    block->CurrentProfile = 1;
    block->Profiles[1].MacroKeyInfo[2].FunctionCode = 16;
    block->Profiles[0].MacroKeyInfo[3].FunctionCode = 16;
    const SettingChange on = Apply(0x4000, 3);
    EXPECT_TRUE(on.Accepted && on.MacroNotice);
    EXPECT_EQ(2, on.MacroButton);
    EXPECT_FALSE(on.CopyToMapping || on.PostRefresh);

    EXPECT_FALSE(Apply(0x4000, 3, false).MacroNotice);
    const SettingChange other = Apply(0x4000, 4);  // a macro only in another profile
    EXPECT_TRUE(other.Accepted);
    EXPECT_FALSE(other.MacroNotice);
    EXPECT_FALSE(Apply(0x4000, 17).Accepted);
    EXPECT_FALSE(Apply(0x4000, 0).Accepted);
}

TEST_F(DeviceEventSettingChange, OtherKindsChangeNothing)
{
    for (uint16_t kind : {0x5000, 0x1000, 0x000A, 0xF000, 0x7F00}) {
        EXPECT_FALSE(Apply(kind, 1).Accepted) << kind;
    }
    EXPECT_TRUE(Untouched());
}
