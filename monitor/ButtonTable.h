// The 128-byte button table of one profile: a 4-byte device code per button, and the macro
// slots that the buttons of the macro family refer to.
#pragma once

#include <cstddef>
#include <cstdint>
#include <vector>

#include "MacroSlot.h"
#include "SettingsBlock.h"

// Function codes that the encoding adjusts with record fields.
constexpr uint8_t kFunctionKey = 5;
constexpr uint8_t kFunctionMacro = 16;
constexpr uint8_t kFunctionLaunch = 17;
constexpr uint8_t kFunctionRepeatClick = 22;

// Byte 0 of a button code that plays a macro slot.
constexpr uint8_t kGroupMacroSlot = 0x09;

struct ButtonCode {
    uint8_t Group;
    uint8_t Arg1;
    uint8_t Arg2;
    uint8_t Arg3;

    bool operator==(const ButtonCode&) const = default;
};

static_assert(sizeof(ButtonCode) == 4);
static_assert(offsetof(ButtonCode, Group) == 0);
static_assert(offsetof(ButtonCode, Arg1) == 1);
static_assert(offsetof(ButtonCode, Arg2) == 2);
static_assert(offsetof(ButtonCode, Arg3) == 3);

struct ButtonTable {
    ButtonCode Codes[kButtonCount];
    uint8_t Zero[64];
};

static_assert(sizeof(ButtonTable) == 128);
static_assert(offsetof(ButtonTable, Codes) == 0);
static_assert(offsetof(ButtonTable, Zero) == 64);

// The table row of a function code before adjustment; 00 00 00 00 for codes without a row.
ButtonCode DeviceFunctionCode(uint8_t functionCode);

// The code of button b (0-15) of profile p (0-4).
ButtonCode EncodeButtonCode(const ButtonRecord& button, int profile, int b, int32_t otgSpeed);

struct NumberedMacroSlot {
    int Number;  // 1-80
    MacroSlot Slot;
};

struct ProfileButtonPages {
    ButtonTable Table;
    std::vector<NumberedMacroSlot> Slots;  // in button order
};

// The button table of profile p (0-4) and the slot of every button of the macro family.
ProfileButtonPages EncodeProfileButtons(const ProfileRecord& profile, int p);
