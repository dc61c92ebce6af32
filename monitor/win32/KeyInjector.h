// Synthesised keyboard input for keys stored as HID usages: the keyboard-key buttons of the
// mouse, typed by the PC.
#pragma once

#include <cstdint>
#include <vector>

#include "ButtonAction.h"

// Windows' virtual key for a usage, with left and right Shift, Ctrl and Alt made generic;
// 0 when the usage has no key.
uint16_t PlaybackVirtualKey(uint8_t usage);

// Sends the strokes in order; modifier presses are followed, and modifier releases preceded,
// by a 1 ms pause.
void SendKeyStrokes(const std::vector<KeyStroke>& strokes);
// Types a held key once more: release, 1 ms, press.
void RetypeKey(uint8_t usage);
