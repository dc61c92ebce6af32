// A 128-byte macro slot of the mouse: a repeat count and up to 63 (flags, key) pairs. Slots
// 1-80 belong to the buttons, sixteen per profile.
#pragma once

#include <cstddef>
#include <cstdint>

#include "SettingsBlock.h"

constexpr int kMacroSlotPairs = 63;
constexpr int kMacroSlotCount = kProfileCount * kButtonCount;

// Flags byte: bit 0 always set, bit 7 = release, bits 1-6 the delay in tens of milliseconds.
constexpr uint8_t kSlotPress = 0x01;
constexpr uint8_t kSlotRelease = 0x81;
// Key byte of a second pair that carries a long delay in 50 ms steps in its flags byte.
constexpr uint8_t kSlotLongDelay = 0x02;

struct MacroSlotPair {
    uint8_t Flags;
    uint8_t Key;
};

static_assert(sizeof(MacroSlotPair) == 2);
static_assert(offsetof(MacroSlotPair, Flags) == 0);
static_assert(offsetof(MacroSlotPair, Key) == 1);

struct MacroSlot {
    uint8_t RepeatHigh;  // repeat count, big-endian
    uint8_t RepeatLow;
    MacroSlotPair Pairs[kMacroSlotPairs];
};

static_assert(sizeof(MacroSlot) == 128);
static_assert(offsetof(MacroSlot, RepeatHigh) == 0);
static_assert(offsetof(MacroSlot, RepeatLow) == 1);
static_assert(offsetof(MacroSlot, Pairs) == 2);

// Slot number 1-80 of button b of profile p.
int MacroSlotNumber(int profile, int button);

// The slot of a macro button (function 16): its repeat count (clamped to 0-65535) and its
// events (EventCount clamped to 40). Events that no longer fit whole are left out.
MacroSlot EncodeMacroSlot(const ButtonRecord& button);

// The fixed key sequence of a built-in shortcut function; an all-zero slot for other codes.
MacroSlot EncodeShortcutSlot(uint8_t functionCode);
