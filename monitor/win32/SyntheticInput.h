// The INPUT records of the keys and mouse buttons Monitor synthesizes.
#pragma once

#include <windows.h>

#include <cstdint>

#include "MacroSchedule.h"

// A key with the scan code the layout gives it; keys that Windows reports with an E0 prefix
// (arrows, the navigation block, right Ctrl and Alt, the Windows keys) get the extended flag.
INPUT KeyInput(WORD virtualKey, bool down);
// A mouse button by its macro key code 240-244 (243 is X button 2, 244 X button 1).
INPUT MouseButtonInput(uint8_t macroKey, bool down);
// A macro's input: a keyboard usage through the key code table (left and right modifiers made
// generic), or a mouse button. false for a usage without a key.
bool MacroInputToInput(MacroInput input, INPUT* out);
