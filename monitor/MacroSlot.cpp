#include "MacroSlot.h"

#include <algorithm>
#include <cstring>
#include <initializer_list>

#include "DebugLog.h"
#include "MacroRecord.h"

namespace {

constexpr uint8_t kCtrl = 0xE0, kShift = 0xE1, kAlt = 0xE2, kWin = 0xE3;

struct Shortcut {
    uint8_t FunctionCode;
    uint8_t KeyCount;
    uint8_t Keys[3];
};

constexpr Shortcut kShortcuts[] = {
    {51, 2, {kCtrl, 0x06}}, {52, 2, {kCtrl, 0x1B}}, {53, 2, {kCtrl, 0x11}},
    {54, 2, {kCtrl, 0x12}}, {55, 2, {kCtrl, 0x19}}, {56, 2, {kCtrl, 0x13}},
    {57, 2, {kCtrl, 0x1C}}, {58, 2, {kCtrl, 0x16}}, {59, 3, {kCtrl, kShift, 0x16}},
    {60, 2, {kCtrl, 0x04}}, {61, 2, {kCtrl, 0x1D}}, {64, 2, {kAlt, 0x3D}},
    {65, 2, {kCtrl, 0x09}}, {66, 2, {kCtrl, 0x08}}, {67, 3, {kAlt, 0x2C, 0x1B}},
    {68, 3, {kAlt, 0x2C, 0x11}}, {69, 2, {kWin, 0x07}}, {70, 2, {kWin, 0x15}},
    {84, 2, {kAlt, 0x2B}}, {85, 2, {kWin, 0x0F}},
};

// Delays from 1280 ms on are sent in 50 ms steps; one byte holds at most 12750 ms.
constexpr unsigned kShortDelaySteps = 128;
constexpr unsigned kMaxLongDelaySteps = 255;

// Appends all pairs at pairs[count] or, when they do not fit, none.
bool PutPairs(MacroSlot& slot, size_t& count, std::initializer_list<MacroSlotPair> pairs)
{
    if (count + pairs.size() > kMacroSlotPairs) return false;
    for (const MacroSlotPair& pair : pairs) slot.Pairs[count++] = pair;
    return true;
}

bool PutEvent(MacroSlot& slot, size_t& count, const MacroEvent& event)
{
    const bool release = event.Action != kMacroPress;
    const unsigned tens = event.Delay / 10u;
    if (tens < kShortDelaySteps) {
        const uint8_t flags = static_cast<uint8_t>((tens & 0x7F) | 0x01 | (release ? 0x80 : 0));
        return PutPairs(slot, count, {{flags, event.Key}});
    }
    const unsigned steps = std::min<unsigned>(event.Delay / 50u, kMaxLongDelaySteps);
    return PutPairs(slot, count, {{release ? kSlotRelease : kSlotPress, event.Key},
                                    {static_cast<uint8_t>(steps), kSlotLongDelay}});
}

}  // namespace

int MacroSlotNumber(int profile, int button) { return profile * kButtonCount + button + 1; }

MacroSlot EncodeMacroSlot(const ButtonRecord& button)
{
    MacroSlot slot{};
    const int32_t repeat = std::clamp<int32_t>(button.MacroRepeat, 0, 0xFFFF);
    slot.RepeatHigh = static_cast<uint8_t>(repeat >> 8);
    slot.RepeatLow = static_cast<uint8_t>(repeat);

    MacroEvent events[kMacroMaxEvents];
    static_assert(sizeof events == sizeof button.Events);
    std::memcpy(events, button.Events, sizeof events);
    int count = button.EventCount;
    if (count > kMacroMaxEvents) {
        DebugLog("MacroSlot: event count %d above %d, cut\n", count, kMacroMaxEvents);
        count = kMacroMaxEvents;
    }
    size_t pairs = 0;
    for (int i = 0; i < count; ++i) {
        if (!PutEvent(slot, pairs, events[i])) {
            DebugLog("MacroSlot: slot full, events %d-%d left out\n", i + 1, count);
            break;
        }
    }
    return slot;
}

MacroSlot EncodeShortcutSlot(uint8_t functionCode)
{
    MacroSlot slot{};
    for (const Shortcut& s : kShortcuts) {
        if (s.FunctionCode != functionCode) continue;
        slot.RepeatLow = 1;
        size_t pairs = 0;
        for (int i = 0; i < s.KeyCount; ++i) PutPairs(slot, pairs, {{kSlotPress, s.Keys[i]}});
        for (int i = s.KeyCount - 1; i >= 0; --i) PutPairs(slot, pairs, {{kSlotRelease, s.Keys[i]}});
    }
    return slot;
}
