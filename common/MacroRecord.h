// A macro: a named list of at most 40 key and mouse-button events with delays. The same
// 220 bytes are the unit of the macro store, of exported macro files and of button copies.
#pragma once

#include <cstddef>
#include <cstdint>

constexpr int kMacroMaxEvents = 40;
constexpr uint8_t kMacroPress = 1;
constexpr uint8_t kMacroRelease = 2;

struct MacroEvent {
    uint8_t Key;     // keyboard usage, or 240-244 for the mouse buttons
    uint8_t Action;  // kMacroPress or kMacroRelease
    uint16_t Delay;  // milliseconds to wait after the event
};

static_assert(sizeof(MacroEvent) == 4);
static_assert(offsetof(MacroEvent, Key) == 0);
static_assert(offsetof(MacroEvent, Action) == 1);
static_assert(offsetof(MacroEvent, Delay) == 2);

struct MacroRecord {
    char Name[52];
    int32_t RepeatCount;
    int32_t EventCount;
    MacroEvent Events[kMacroMaxEvents];
};

static_assert(sizeof(MacroRecord) == 220);
static_assert(offsetof(MacroRecord, Name) == 0);
static_assert(offsetof(MacroRecord, RepeatCount) == 52);
static_assert(offsetof(MacroRecord, EventCount) == 56);
static_assert(offsetof(MacroRecord, Events) == 60);

// Makes a record read from outside safe to use: the name ends within its field, the event
// count lies in 0-40 and the events past the count are zero.
void SanitizeMacroRecord(MacroRecord* record);
