// The PC side of a button the mouse reports: a keyboard key to press or release, or a macro
// to play. Keys are HID keyboard usages; turning them into Windows input is the caller's.
#pragma once

#include <cstdint>
#include <vector>

#include "SettingsBlock.h"

// KeyModifiers bits, the one assignment the whole suite uses: captions, the shortcut dialog
// and the PC's key playback.
constexpr uint8_t kModifierNone = 0x01;
constexpr uint8_t kModifierShift = 0x02;
constexpr uint8_t kModifierCtrl = 0x04;
constexpr uint8_t kModifierAlt = 0x08;
constexpr uint8_t kModifierWin = 0x10;

enum class ButtonActionType : uint8_t { None, KeyDown, KeyUp, PlayMacro };

struct ButtonAction {
    ButtonActionType Type = ButtonActionType::None;
    int Button = -1;       // 0-15
    uint32_t KeyWord = 0;  // Events bytes 0-3: usage, modifiers and two more bytes
};

// value: lo = button 1-16, hi = 0 for a press.
ButtonAction DecideButtonAction(const SettingsBlock& block, uint16_t value);

struct KeyStroke {
    uint8_t Usage;
    bool Down;

    bool operator==(const KeyStroke&) const = default;
};

// Modifiers in the order Ctrl, Shift, Alt, Win (left keys), then the key.
std::vector<KeyStroke> KeyDownStrokes(uint32_t keyWord);
// The key, then the modifiers in the order Win, Alt, Shift, Ctrl.
std::vector<KeyStroke> KeyUpStrokes(uint32_t keyWord);
// Whether a held key is typed again: not for no key and not for a modifier key.
bool RepeatsKey(uint32_t keyWord);
