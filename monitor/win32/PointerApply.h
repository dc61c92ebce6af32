// Makes the pointer settings of the current profile take effect in Windows at once.
#pragma once

#include <windows.h>

#include "Registry.h"
#include "SettingsBlock.h"

// mouseKey: Monitor's open "Control Panel\Mouse" key (may be null). May set the profile's
// Acceleration to 0 when acceleration is off but Windows still has it on.
void ApplyPointerSettings(ProfileRecord* profile, Registry::Key* mouseKey, HWND self);
