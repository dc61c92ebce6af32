// The profile Monitor acts on. A block may carry a CurrentProfile outside 0-4 (-1 before the
// user ever picked one); Monitor then works with profile 0, which is also the profile it
// selects on the mouse, so that the mouse and the PC agree.
#pragma once

#include "SettingsBlock.h"

int ActiveProfileIndex(const SettingsBlock& block);
