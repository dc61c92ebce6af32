#include "MouseDescription.h"

#include <algorithm>

#include "FormatText.h"
#include "KeyCodeTable.h"
#include "KeyCodeUsLayout.h"

namespace {

std::string StepName(const char* what, uint8_t step)
{
    static const char* const kSteps[] = {"?", "up", "down", "cycle"};
    return FormatText("%s %s", what, kSteps[step <= 3 ? step : 0]);
}

// The modifier byte the mouse gets is the stored one shifted right by one: bit 0 Shift,
// bit 1 Ctrl, bit 2 Alt, bit 3 Windows.
std::string ModifierNames(uint8_t modifiers)
{
    static const char* const kNames[] = {"Shift", "Ctrl", "Alt", "Win"};
    std::string names;
    for (int bit = 0; bit < 4; ++bit)
        if (modifiers & (1 << bit)) names += std::string(names.empty() ? "" : "+") + kNames[bit];
    return names;
}

std::string KeyName(uint8_t usage)
{
    static const KeyCodeUsLayout kUs;
    const KeyCodeLookup vk = UsageToVk(usage, kUs);
    const char* name = vk.Found ? KeyNameOf(vk.Code) : "";
    return name && *name ? FormatText(" (%s)", name) : std::string();
}

std::string Hex(const ButtonCode& c) { return FormatText("%02X %02X %02X %02X", c.Group, c.Arg1, c.Arg2, c.Arg3); }

}  // namespace

std::string DescribeButtonCode(const ButtonCode& code)
{
    switch (code.Group) {
    case 0x00: {
        if (code == ButtonCode{}) return "Disabled";
        std::string text = code.Arg2 ? FormatText("Key 0x%02X%s", code.Arg2, KeyName(code.Arg2).c_str()) : "Key";
        const std::string modifiers = ModifierNames(code.Arg1);
        return modifiers.empty() ? text : text + " " + modifiers;
    }
    case 0x01: {
        static const char* const kButtons[] = {"Left button", "Right button", "Middle button", "Back button",
                                               "Forward button"};
        if (code.Arg2 >= 0xF0 && code.Arg2 <= 0xF4) return kButtons[code.Arg2 - 0xF0];
        break;
    }
    case 0x03: return FormatText("Media usage 0x%04X", code.Arg2 | code.Arg3 << 8);
    case 0x04: {
        static const char* const kWheel[] = {"Wheel up", "Wheel down", "Tilt right", "Tilt left"};
        if (code.Arg2 >= 1 && code.Arg2 <= 4) return kWheel[code.Arg2 - 1];
        break;
    }
    case 0x06: return FormatText("Event %04X %04X to the PC", code.Arg2, code.Arg3);
    case 0x07: return StepName("DPI", code.Arg2);
    case 0x08: return StepName("Profile", code.Arg2);
    case kGroupMacroSlot: return FormatText("Macro slot %u", code.Arg2);
    }
    return "Function " + Hex(code);
}

std::vector<std::string> DescribeMemory(const MouseMemory& memory)
{
    const int current = std::clamp(memory.CurrentProfile, 0, kProfileCount - 1);
    const MouseProfile& profile = memory.Profiles[current];
    const SettingsPage page = SettingsOf(profile);
    std::vector<std::string> lines;
    lines.push_back(FormatText("Profile %d of %d, report interval %u ms", current + 1, kProfileCount,
                               profile.ReportInterval));
    std::string levels;
    for (uint8_t level : page.DpiLevels) levels += FormatText(" %u", level);
    lines.push_back(FormatText("DPI level %u of%s", profile.DpiLevel, levels.c_str()));
    lines.push_back(FormatText("Sensitivity X %u Y %u", page.SensitivityX / 10u, page.SensitivityY / 10u));
    lines.push_back(FormatText("Light mode %u, rate %u, option 0x%02X", page.LightMode, page.LightRate,
                               page.LightOption));
    std::string colours;
    for (const RgbTriple& c : page.Colors) colours += FormatText(" %02X%02X%02X", c.Red, c.Green, c.Blue);
    lines.push_back("Colours" + colours);
    for (int b = 0; b < kButtonCount; ++b)
        lines.push_back(FormatText("B%d %s", b + 1, DescribeButtonCode(ButtonCodeOf(profile, b)).c_str()));
    return lines;
}
