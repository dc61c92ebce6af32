#include "ButtonAction.h"

#include <gtest/gtest.h>

#include "DeviceReportTestSupport.h"

namespace {

class DeviceEventButtonAction : public ::testing::Test {
protected:
    std::unique_ptr<SettingsBlock> block = DefaultBlock();

    void SetKey(int profile, int button, uint8_t usage, uint8_t modifiers)
    {
        ButtonRecord& b = block->Profiles[profile].MacroKeyInfo[button];
        b.FunctionCode = 5;
        b.EventCount = 1;
        b.Events[0] = usage;
        b.Events[1] = modifiers;
        b.Events[2] = 0x11;
        b.Events[3] = 0x22;
    }
};

KeyStroke Down(uint8_t usage) { return {usage, true}; }
KeyStroke Up(uint8_t usage) { return {usage, false}; }

}  // namespace

TEST_F(DeviceEventButtonAction, KeyButtonPressAndRelease)
{
    SetKey(0, 2, 0x06, kModifierAlt);
    const ButtonAction press = DecideButtonAction(*block, 0x0003);
    EXPECT_EQ(ButtonActionType::KeyDown, press.Type);
    EXPECT_EQ(2, press.Button);
    EXPECT_EQ(0x22110806u, press.KeyWord);
    EXPECT_EQ((std::vector<KeyStroke>{Down(0xE2), Down(0x06)}), KeyDownStrokes(press.KeyWord));

    const ButtonAction release = DecideButtonAction(*block, 0x0103);
    EXPECT_EQ(ButtonActionType::KeyUp, release.Type);
    EXPECT_EQ((std::vector<KeyStroke>{Up(0x06), Up(0xE2)}), KeyUpStrokes(release.KeyWord));
}

TEST_F(DeviceEventButtonAction, ModifierOrder)
{
    struct Case {
        uint8_t usage, modifiers;
        std::vector<KeyStroke> down, up;
    };
    const Case cases[] = {
        {0x04, kModifierCtrl | kModifierShift | kModifierAlt | kModifierWin,
         {Down(0xE0), Down(0xE1), Down(0xE2), Down(0xE3), Down(0x04)},
         {Up(0x04), Up(0xE3), Up(0xE2), Up(0xE1), Up(0xE0)}},
        {0x04, kModifierShift | kModifierCtrl, {Down(0xE0), Down(0xE1), Down(0x04)}, {Up(0x04), Up(0xE1), Up(0xE0)}},
        // "No modifier" wins over any other bit.
        {0x04, 0x1F, {Down(0x04)}, {Up(0x04)}},
        {0x04, 0, {Down(0x04)}, {Up(0x04)}},
        // The raw bits: bit 1 is Shift, bit 2 Ctrl; Ctrl is still pressed first.
        {0x04, 0x02, {Down(0xE1), Down(0x04)}, {Up(0x04), Up(0xE1)}},
        {0x04, 0x06, {Down(0xE0), Down(0xE1), Down(0x04)}, {Up(0x04), Up(0xE1), Up(0xE0)}},
        // No key: only the modifiers.
        {0x00, kModifierWin, {Down(0xE3)}, {Up(0xE3)}},
    };
    for (const Case& c : cases) {
        const uint32_t word = c.usage | c.modifiers << 8;
        EXPECT_EQ(c.down, KeyDownStrokes(word)) << std::hex << word;
        EXPECT_EQ(c.up, KeyUpStrokes(word)) << std::hex << word;
    }
}

TEST_F(DeviceEventButtonAction, MacroButtonPlaysOnPressOnly)
{
    block->CurrentProfile = 4;
    block->Profiles[4].MacroKeyInfo[15].FunctionCode = 16;
    const ButtonAction press = DecideButtonAction(*block, 0x0010);
    EXPECT_EQ(ButtonActionType::PlayMacro, press.Type);
    EXPECT_EQ(15, press.Button);
    EXPECT_EQ(ButtonActionType::None, DecideButtonAction(*block, 0x0110).Type);
}

TEST_F(DeviceEventButtonAction, NothingForOtherFunctionsOrButtons)
{
    block->Profiles[0].MacroKeyInfo[4].FunctionCode = 17;
    SetKey(1, 0, 0x04, kModifierNone);  // a key only in a profile that is not current
    for (uint16_t value : {0x0001, 0x0005, 0x0105, 0x0007, 0x0000, 0x0011, 0x00FF})
        EXPECT_EQ(ButtonActionType::None, DecideButtonAction(*block, value).Type) << std::hex << value;
}

TEST_F(DeviceEventButtonAction, InvalidCurrentProfileUsesTheFirstProfile)
{
    SetKey(0, 0, 0x04, kModifierNone);
    block->CurrentProfile = -1;
    EXPECT_EQ(ButtonActionType::KeyDown, DecideButtonAction(*block, 0x0001).Type);
}

TEST_F(DeviceEventButtonAction, HeldKeysRepeatExceptModifiers)
{
    const std::pair<uint32_t, bool> cases[] = {
        {0x0004, true}, {0x0839, true}, {0x00E0, false}, {0x00E7, false}, {0x0000, false}, {0x1000, false}};
    for (auto [word, repeats] : cases) EXPECT_EQ(repeats, RepeatsKey(word)) << std::hex << word;
}
