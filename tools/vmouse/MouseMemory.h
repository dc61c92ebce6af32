// What the virtual mouse holds: per profile a settings page, a button table, a report interval
// and a DPI level; the macro slots 1-80; the current profile. The pages are kept as the bytes
// that arrived, as the real mouse would store them.
#pragma once

#include <cstdint>

#include "ButtonTable.h"
#include "DeviceReport.h"
#include "MacroSlot.h"
#include "SettingsPage.h"

constexpr int kMouseDpiLevels = 5;

struct MouseProfile {
    DataPage Settings;
    DataPage Buttons;
    uint8_t ReportInterval;  // milliseconds: 1, 2, 4 or 8
    uint8_t DpiLevel;        // 1-5
};

struct MouseMemory {
    int CurrentProfile;  // 0-4
    MouseProfile Profiles[kProfileCount];
    DataPage Slots[kMacroSlotCount];  // slot n at index n - 1
};

// A new mouse: the suite's default settings, as a full transfer would have stored them.
MouseMemory FactoryMemory();

SettingsPage SettingsOf(const MouseProfile& profile);
// The code of button b (0-15); an all-zero code for other b.
ButtonCode ButtonCodeOf(const MouseProfile& profile, int b);
