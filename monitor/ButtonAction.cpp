#include "ButtonAction.h"

#include <iterator>

#include "ActiveProfile.h"
#include "ButtonTable.h"

namespace {

struct ModifierKey {
    uint8_t Bit;
    uint8_t Usage;
};

constexpr ModifierKey kModifierKeys[] = {
    {kModifierCtrl, 0xE0}, {kModifierShift, 0xE1}, {kModifierAlt, 0xE2}, {kModifierWin, 0xE3}};
constexpr uint8_t kFirstModifierUsage = 0xE0;
constexpr uint8_t kLastModifierUsage = 0xE7;

uint8_t UsageOf(uint32_t keyWord) { return static_cast<uint8_t>(keyWord); }
uint8_t ModifiersOf(uint32_t keyWord) { return static_cast<uint8_t>(keyWord >> 8); }

bool HasModifier(uint8_t modifiers, const ModifierKey& key)
{
    return (modifiers & kModifierNone) == 0 && (modifiers & key.Bit) != 0;
}

}  // namespace

ButtonAction DecideButtonAction(const SettingsBlock& block, uint16_t value)
{
    ButtonAction action;
    const int lo = value & 0xFF;
    const bool press = (value >> 8) == 0;
    if (lo < 1 || lo > kButtonCount) return action;
    const ButtonRecord& record = block.Profiles[ActiveProfileIndex(block)].MacroKeyInfo[lo - 1];
    action.Button = lo - 1;
    if (record.FunctionCode == kFunctionKey) {
        const uint8_t* key = record.Events;
        action.KeyWord = key[0] | key[1] << 8 | key[2] << 16 | static_cast<uint32_t>(key[3]) << 24;
        action.Type = press ? ButtonActionType::KeyDown : ButtonActionType::KeyUp;
    } else if (record.FunctionCode == kFunctionMacro && press) {
        action.Type = ButtonActionType::PlayMacro;
    }
    return action;
}

std::vector<KeyStroke> KeyDownStrokes(uint32_t keyWord)
{
    std::vector<KeyStroke> strokes;
    for (const ModifierKey& key : kModifierKeys)
        if (HasModifier(ModifiersOf(keyWord), key)) strokes.push_back({key.Usage, true});
    if (UsageOf(keyWord) != 0) strokes.push_back({UsageOf(keyWord), true});
    return strokes;
}

std::vector<KeyStroke> KeyUpStrokes(uint32_t keyWord)
{
    std::vector<KeyStroke> strokes;
    if (UsageOf(keyWord) != 0) strokes.push_back({UsageOf(keyWord), false});
    for (auto key = std::rbegin(kModifierKeys); key != std::rend(kModifierKeys); ++key)
        if (HasModifier(ModifiersOf(keyWord), *key)) strokes.push_back({key->Usage, false});
    return strokes;
}

bool RepeatsKey(uint32_t keyWord)
{
    const uint8_t usage = UsageOf(keyWord);
    return usage != 0 && (usage < kFirstModifierUsage || usage > kLastModifierUsage);
}
