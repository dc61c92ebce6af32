// The Windows pointer settings of a profile: double-click time, pointer speed and acceleration,
// wheel lines and button swap, kept in the current user's registry.
#pragma once

#include "SettingsBlock.h"

class Registry;

struct AccelerationRow {
    int32_t MouseSpeed;
    int32_t MouseThreshold1;
    int32_t MouseThreshold2;
};

extern const AccelerationRow AccelerationTable[20];

// 1, or -1 when a key can be neither opened nor created.
int WritePointerSettings(const ProfileRecord* record, Registry& registry);
// 1; 0 when the mouse key cannot be opened, -1 when the desktop key cannot be opened.
// A value that is missing, not text or not a number leaves its field as it was.
int ReadPointerSettings(ProfileRecord* record, Registry& registry);

// The current user's registry: the real one on Windows, a process-wide in-memory one elsewhere.
Registry& UserRegistry();
