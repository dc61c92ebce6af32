#include "SettingsBlock.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cctype>
#include <cstring>
#include <functional>
#include <memory>
#include <string>

namespace {

std::unique_ptr<SettingsBlock> FilledBlock(uint8_t fill)
{
    auto block = std::make_unique<SettingsBlock>();
    std::memset(block.get(), fill, sizeof *block);
    return block;
}

// The 26 per-profile and global flag words after ButtonChanged, in block order.
std::vector<int32_t> TailFlags(const SettingsBlock& b)
{
    const auto* first = reinterpret_cast<const int32_t*>(&b.OptionsChanged);
    return std::vector<int32_t>(first, first + 26);
}

TEST(SettingsBlock, ClearLeavesTheThreeRecomputedFlagArraysAlone)
{
    auto b = FilledBlock(0x01);
    ClearSettingsBlock(b.get());
    EXPECT_EQ(-1, b->CurrentProfile);
    EXPECT_EQ(0, b->MouseType);
    const auto* bytes = reinterpret_cast<const uint8_t*>(b->Profiles);
    EXPECT_TRUE(std::all_of(bytes, bytes + sizeof b->Profiles, [](uint8_t x) { return x == 0; }));
    for (int p = 0; p < kProfileCount; ++p) {
        for (int32_t f : b->ButtonChanged[p]) EXPECT_EQ(0, f);
        EXPECT_EQ(0, b->OptionsChanged[p]);
        EXPECT_EQ(0, b->OTGSpeedChanged[p]);
        EXPECT_EQ(0x01010101, b->PollingRateChanged[p]);
        EXPECT_EQ(0x01010101, b->CpiStepChanged[p]);
        EXPECT_EQ(0x01010101, b->SettingsChanged[p]);
    }
    EXPECT_EQ(0, b->ProfileIndexChanged);
}

TEST(SettingsBlock, ProfileDefaults)
{
    auto b = FilledBlock(0);
    ClearSettingsBlock(b.get());
    SetAllDefaults(b.get());
    EXPECT_EQ(0, b->CurrentProfile);
    const ProfileRecord& r = b->Profiles[3];
    EXPECT_STREQ("Default4", r.ProFileName);
    EXPECT_STREQ("", r.GameFile);
    EXPECT_EQ(550, r.DbleClickSpeed);
    EXPECT_EQ(10, r.MouseSpeed);
    EXPECT_EQ(10, r.Acceleration);
    EXPECT_EQ(0, r.AccelerationFlag);
    EXPECT_EQ(1, r.TimeCloseFlag);
    EXPECT_EQ(1, r.HDDKeyboard);
    EXPECT_EQ((std::vector<int32_t>{8, 16, 32, 64, 100}), std::vector<int32_t>(r.CpiLevel_Y, r.CpiLevel_Y + 5));
    EXPECT_EQ(1, r.CpiStep);
    EXPECT_EQ(1, r.DpiIndicationType);
    EXPECT_EQ(2, r.PollingRate);
    EXPECT_EQ(2, r.LightType);
    EXPECT_EQ((std::vector<int32_t>{0, 1, 3, 2, 4, 5, 6, 7}), std::vector<int32_t>(r.ColorOptions, r.ColorOptions + 8));
    EXPECT_EQ(10, r.OTGSpeed);
    EXPECT_EQ(0x0000FF, r.DPIColor[0]);
    EXPECT_EQ(0xFF00FF, r.DPIColor[3]);
    EXPECT_EQ(4, r.BtnConfiguration);
    EXPECT_EQ(0, r.LightEffectSwitch2);
    EXPECT_EQ(1, r.LightEffectType2);
    EXPECT_EQ(1, r.ProfileSwitchIndictor);
    EXPECT_EQ(2, r.XuanCaiSpeed);
    EXPECT_EQ(1, r.QiSeType);
    EXPECT_EQ(0xFFFFFF, r.ClQiSeColor[6]);
    EXPECT_EQ(2, r.DanSeIntensity);
    EXPECT_EQ(2, r.DanSeType);

    const uint8_t functions[16] = {1, 2, 3, 7, 8, 13, 86, 0, 0, 0, 0, 0, 0, 0, 9, 10};
    for (int i = 0; i < kButtonCount; ++i) {
        ButtonRecord expected{};
        expected.ButtonIndex = static_cast<uint8_t>(i);
        expected.FunctionCode = functions[i];
        EXPECT_EQ(0, std::memcmp(&expected, &r.MacroKeyInfo[i], sizeof expected)) << "button " << i;
    }
}

TEST(SettingsBlock, ResettingOneProfileKeepsTheKeptFieldsAndPadding)
{
    auto b = FilledBlock(0x5A);
    ProfileRecord& r = b->Profiles[1];
    SetProfileDefaults(&r, 1);
    for (uint8_t v : r.dpiIndicator) EXPECT_EQ(0x5A, v);
    EXPECT_EQ(0x5A5A5A5A, r.LiftSwitch);
    EXPECT_EQ(0x5A5A5A5A, r.LiftLevel);
    EXPECT_EQ(0x5A5A5A5A, r.ColorChangeMode);
    EXPECT_EQ(0x5A5A5A5A, r.BTOption);
    EXPECT_EQ(0x5A, r.pad890[0]);
    EXPECT_EQ(0x5A, r.pad993[2]);
    // Texts are cleared whole, not just terminated.
    EXPECT_EQ(0, r.ProFileName[249]);
    EXPECT_EQ(0, r.GameFile[501]);
    EXPECT_STREQ("Default2", r.ProFileName);
}

struct ChangeCase {
    const char* what;
    std::function<void(ProfileRecord&)> change;
    int32_t SettingsBlock::*global;           // ProfileIndexChanged, or null
    int32_t (SettingsBlock::*flag)[kProfileCount];  // the per-profile flag that must turn 1, or null
};

class MarkChangesTest : public ::testing::TestWithParam<ChangeCase> {};

TEST_P(MarkChangesTest, SetsExactlyTheFlagOfTheChangedField)
{
    auto old = FilledBlock(0);
    SetAllDefaults(old.get());
    auto edited = std::make_unique<SettingsBlock>(*old);
    // Stale flags must be overwritten; ButtonChanged must not be touched.
    for (int p = 0; p < kProfileCount; ++p) edited->SettingsChanged[p] = 1;
    edited->ButtonChanged[4][15] = 7;
    GetParam().change(edited->Profiles[2]);

    MarkChanges(old.get(), edited.get());

    auto expected = std::make_unique<SettingsBlock>(*edited);
    for (int p = 0; p < kProfileCount; ++p) {
        expected->OptionsChanged[p] = expected->OTGSpeedChanged[p] = expected->PollingRateChanged[p] =
            expected->CpiStepChanged[p] = expected->SettingsChanged[p] = 0;
    }
    expected->ProfileIndexChanged = 0;
    if (GetParam().flag) ((*expected).*(GetParam().flag))[2] = 1;
    EXPECT_EQ(TailFlags(*expected), TailFlags(*edited)) << GetParam().what;
    EXPECT_EQ(7, edited->ButtonChanged[4][15]);
}

INSTANTIATE_TEST_SUITE_P(
    Fields, MarkChangesTest,
    ::testing::Values(
        ChangeCase{"nothing", [](ProfileRecord&) {}, nullptr, nullptr},
        ChangeCase{"name", [](ProfileRecord& r) { std::strcpy(r.ProFileName, "Sniper"); }, nullptr, nullptr},
        ChangeCase{"game", [](ProfileRecord& r) { std::strcpy(r.GameFile, "C:\\g.exe"); }, nullptr, nullptr},
        ChangeCase{"pointer", [](ProfileRecord& r) { r.MouseSpeed = 3; r.DbleClickSpeed = 200; }, nullptr, nullptr},
        ChangeCase{"tilt", [](ProfileRecord& r) { r.TiltSpeed = 9; }, nullptr, nullptr},
        ChangeCase{"button", [](ProfileRecord& r) { r.MacroKeyInfo[3].FunctionCode = 16; }, nullptr, nullptr},
        ChangeCase{"indicator byte", [](ProfileRecord& r) { r.ProfileSwitchIndictor = 0; }, nullptr, nullptr},
        ChangeCase{"HDDKeyboard", [](ProfileRecord& r) { r.HDDKeyboard = 0; }, nullptr, &SettingsBlock::OptionsChanged},
        ChangeCase{"BTOption", [](ProfileRecord& r) { r.BTOption = 2; }, nullptr, &SettingsBlock::OptionsChanged},
        ChangeCase{"LiftLevel", [](ProfileRecord& r) { r.LiftLevel = 1; }, nullptr, &SettingsBlock::OptionsChanged},
        ChangeCase{"OTGSpeed", [](ProfileRecord& r) { r.OTGSpeed = 3; }, nullptr, &SettingsBlock::OTGSpeedChanged},
        ChangeCase{"PollingRate", [](ProfileRecord& r) { r.PollingRate = 0; }, nullptr, &SettingsBlock::PollingRateChanged},
        ChangeCase{"CpiStep", [](ProfileRecord& r) { r.CpiStep = 4; }, nullptr, &SettingsBlock::CpiStepChanged},
        ChangeCase{"CpiLevel_Y4", [](ProfileRecord& r) { r.CpiLevel_Y[4] = 50; }, nullptr, &SettingsBlock::SettingsChanged},
        ChangeCase{"dpiIndicator4", [](ProfileRecord& r) { r.dpiIndicator[4] = 1; }, nullptr, &SettingsBlock::SettingsChanged},
        ChangeCase{"DPIColor0", [](ProfileRecord& r) { r.DPIColor[0] = 0; }, nullptr, &SettingsBlock::SettingsChanged},
        ChangeCase{"ColorOptions7", [](ProfileRecord& r) { r.ColorOptions[7] = 0; }, nullptr, &SettingsBlock::SettingsChanged},
        ChangeCase{"ColorOptions2 byte", [](ProfileRecord& r) { r.ColorOptions2 = 9; }, nullptr, &SettingsBlock::SettingsChanged},
        ChangeCase{"Sensitivity_Y", [](ProfileRecord& r) { r.Sensitivity_Y = 5; }, nullptr, &SettingsBlock::SettingsChanged},
        ChangeCase{"ClQiSeColor6", [](ProfileRecord& r) { r.ClQiSeColor[6] = 1; }, nullptr, &SettingsBlock::SettingsChanged},
        ChangeCase{"DanSeType", [](ProfileRecord& r) { r.DanSeType = 1; }, nullptr, &SettingsBlock::SettingsChanged},
        ChangeCase{"XuanCaiDirection", [](ProfileRecord& r) { r.XuanCaiDirection = 1; }, nullptr, &SettingsBlock::SettingsChanged}),
    [](const auto& info) {
        std::string n = info.param.what;
        for (char& c : n) if (!std::isalnum(static_cast<unsigned char>(c))) c = '_';
        return n;
    });

TEST(SettingsBlock, MarkChangesSeesTheCurrentProfile)
{
    auto old = FilledBlock(0);
    SetAllDefaults(old.get());
    auto edited = std::make_unique<SettingsBlock>(*old);
    edited->CurrentProfile = 3;
    MarkChanges(old.get(), edited.get());
    EXPECT_EQ(1, edited->ProfileIndexChanged);
}

TEST(SettingsBlock, MarkAllThenClear)
{
    auto b = FilledBlock(0);
    MarkAllChanged(b.get());
    for (auto& profile : b->ButtonChanged)
        for (int32_t f : profile) EXPECT_EQ(1, f);
    EXPECT_EQ(std::vector<int32_t>(26, 1), TailFlags(*b));

    ClearChangeFlags(b.get());
    for (auto& profile : b->ButtonChanged)
        for (int32_t f : profile) EXPECT_EQ(0, f);
    std::vector<int32_t> expected(26, 1);
    std::fill(expected.begin(), expected.begin() + 10, 0);  // OptionsChanged, OTGSpeedChanged
    EXPECT_EQ(expected, TailFlags(*b));
}

TEST(SettingsBlock, MarkProfileChangedTouchesOnlyThatProfile)
{
    auto b = FilledBlock(0);
    MarkProfileChanged(b.get(), 4);
    for (int p = 0; p < kProfileCount; ++p) {
        const int32_t want = p == 4 ? 1 : 0;
        for (int32_t f : b->ButtonChanged[p]) EXPECT_EQ(want, f);
        EXPECT_EQ(want, b->OptionsChanged[p]);
        EXPECT_EQ(want, b->OTGSpeedChanged[p]);
        EXPECT_EQ(want, b->PollingRateChanged[p]);
        EXPECT_EQ(want, b->CpiStepChanged[p]);
        EXPECT_EQ(want, b->SettingsChanged[p]);
    }
    EXPECT_EQ(1, b->ProfileIndexChanged);

    auto before = std::make_unique<SettingsBlock>(*b);
    MarkProfileChanged(b.get(), 5);  // out of range: nothing happens
    EXPECT_EQ(0, std::memcmp(before.get(), b.get(), sizeof *b));
}

TEST(SettingsBlock, MakeBlockSafeBoundsEveryTextAndEventCount)
{
    auto b = FilledBlock(0xFF);
    MakeBlockSafe(b.get());
    for (const ProfileRecord& r : b->Profiles) {
        EXPECT_EQ(249u, strnlen(r.ProFileName, sizeof r.ProFileName));
        EXPECT_EQ(501u, strnlen(r.GameFile, sizeof r.GameFile));
        for (const ButtonRecord& button : r.MacroKeyInfo) {
            EXPECT_EQ(24u, strnlen(button.MacroName, sizeof button.MacroName));
            EXPECT_EQ(261u, strnlen(button.ProgramPath, sizeof button.ProgramPath));
            EXPECT_EQ(40, button.EventCount);
        }
    }
    EXPECT_EQ(-1, b->CurrentProfile);  // left for the readers to range-check
    EXPECT_EQ(-1, b->SettingsChanged[4]);

    auto sane = FilledBlock(0);
    SetAllDefaults(sane.get());
    sane->Profiles[0].MacroKeyInfo[2].EventCount = 40;
    auto copy = std::make_unique<SettingsBlock>(*sane);
    MakeBlockSafe(copy.get());
    EXPECT_EQ(0, std::memcmp(sane.get(), copy.get(), sizeof *sane));
}

}  // namespace
