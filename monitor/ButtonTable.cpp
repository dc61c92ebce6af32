#include "ButtonTable.h"

namespace {

struct FunctionRow {
    uint8_t FunctionCode;
    ButtonCode Code;
};

constexpr uint8_t kConsumer = 0x03;
constexpr ButtonCode Consumer(uint16_t usage)
{
    return {kConsumer, 0, static_cast<uint8_t>(usage), static_cast<uint8_t>(usage >> 8)};
}
constexpr ButtonCode kShortcut4 = {kGroupMacroSlot, 0, 0, 4};
constexpr ButtonCode kShortcut6 = {kGroupMacroSlot, 0, 0, 6};

constexpr FunctionRow kDeviceFunctionTable[] = {
    {1, {0x01, 0x00, 0xF0, 0x00}},  {2, {0x01, 0x00, 0xF1, 0x00}},  {3, {0x01, 0x00, 0xF2, 0x00}},
    {4, {0x0A, 0xF0, 0x32, 0x02}},  {5, {0x00, 0x00, 0x00, 0x00}},  {6, {0x00, 0x00, 0x00, 0x00}},
    {7, {0x01, 0x00, 0xF4, 0x00}},  {8, {0x01, 0x00, 0xF3, 0x00}},  {9, {0x04, 0x00, 0x01, 0x00}},
    {10, {0x04, 0x00, 0x02, 0x00}}, {11, {0x04, 0x00, 0x04, 0x00}}, {12, {0x04, 0x00, 0x03, 0x00}},
    {13, {0x07, 0x00, 0x03, 0x00}}, {14, {0x07, 0x00, 0x01, 0x00}}, {15, {0x07, 0x00, 0x02, 0x00}},
    {16, {0x09, 0x00, 0x00, 0x00}}, {17, {0x06, 0x00, 0x0A, 0x00}}, {18, {0x08, 0x00, 0x03, 0x00}},
    {19, {0x08, 0x00, 0x01, 0x00}}, {20, {0x08, 0x00, 0x02, 0x00}}, {21, {0x0A, 0xF0, 0x10, 0x00}},
    {22, {0x0A, 0x01, 0x00, 0x00}}, {23, {0x00, 0x08, 0x00, 0x00}}, {24, {0x06, 0x00, 0xA0, 0x00}},
    {25, Consumer(0x0183)}, {26, Consumer(0x00B6)}, {27, Consumer(0x00B5)}, {28, Consumer(0x00CD)},
    {29, Consumer(0x00B7)}, {30, Consumer(0x00E2)}, {31, Consumer(0x00E9)}, {32, Consumer(0x00EA)},
    {33, Consumer(0x0192)}, {34, Consumer(0x018A)}, {35, Consumer(0x022A)}, {36, Consumer(0x0225)},
    {37, Consumer(0x0224)}, {38, Consumer(0x0226)}, {39, Consumer(0x0194)}, {40, Consumer(0x0227)},
    {41, Consumer(0x0223)}, {42, Consumer(0x0221)},
    {51, kShortcut4}, {52, kShortcut4}, {53, kShortcut4}, {54, kShortcut4}, {55, kShortcut4},
    {56, kShortcut4}, {57, kShortcut4}, {58, kShortcut4}, {59, kShortcut6}, {60, kShortcut4},
    {61, kShortcut4}, {64, kShortcut4}, {65, kShortcut4}, {66, kShortcut4}, {67, kShortcut6},
    {68, kShortcut4}, {69, kShortcut4}, {70, kShortcut4}, {84, kShortcut4}, {85, kShortcut4},
    {80, {0x0A, 0xF0, 0x32, 0x03}}, {81, {0x05, 0x00, 0x01, 0x00}}, {82, {0x05, 0x00, 0x02, 0x00}},
    {83, {0x05, 0x00, 0x03, 0x00}}, {86, {0x0B, 0x08, 0x00, 0x00}},
};

}  // namespace

ButtonCode DeviceFunctionCode(uint8_t functionCode)
{
    for (const FunctionRow& row : kDeviceFunctionTable)
        if (row.FunctionCode == functionCode) return row.Code;
    return {};
}

ButtonCode EncodeButtonCode(const ButtonRecord& button, int profile, int b, int32_t otgSpeed)
{
    ButtonCode code = DeviceFunctionCode(button.FunctionCode);
    switch (button.FunctionCode) {
    case kFunctionKey:
        code.Arg1 = static_cast<uint8_t>(button.Events[kKeyModifiersOffset] >> 1);
        code.Arg2 = button.Events[kKeyUsageOffset];
        break;
    case kFunctionMacro:
        code.Arg1 = static_cast<uint8_t>(button.MacroPlayOption);
        break;
    case kFunctionLaunch:
        code.Arg3 = static_cast<uint8_t>(b + 1);
        break;
    case kFunctionRepeatClick:
        code.Arg2 = code.Arg3 = static_cast<uint8_t>(otgSpeed);
        break;
    }
    if (code.Group == kGroupMacroSlot) code.Arg2 = static_cast<uint8_t>(MacroSlotNumber(profile, b));
    return code;
}

ProfileButtonPages EncodeProfileButtons(const ProfileRecord& profile, int p)
{
    ProfileButtonPages pages{};
    for (int b = 0; b < kButtonCount; ++b) {
        const ButtonRecord& button = profile.MacroKeyInfo[b];
        const ButtonCode code = EncodeButtonCode(button, p, b, profile.OTGSpeed);
        pages.Table.Codes[b] = code;
        if (code.Group != kGroupMacroSlot) continue;
        const MacroSlot slot = button.FunctionCode == kFunctionMacro ? EncodeMacroSlot(button)
                                                                     : EncodeShortcutSlot(button.FunctionCode);
        pages.Slots.push_back({MacroSlotNumber(p, b), slot});
    }
    return pages;
}
