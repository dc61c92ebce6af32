// The macro list takes over the macros that the buttons of all five profiles carry, so that
// a macro known only from a profile file can be picked and edited like any other.
#pragma once

#include "MacroList.h"
#include "SettingsBlock.h"

// Buttons are not changed. An unknown name is appended; a known one (names compared trimmed
// and without regard to case, first match) takes the button's events and repeat count when
// they differ.
void SyncMacroListFromButtons(const SettingsBlock& block, MacroList* list);
