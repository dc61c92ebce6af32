// The profile that belongs to a program: each profile may name a game, and while that game is
// in the foreground Monitor makes its profile current.
#pragma once

#include <string>

#include "SettingsBlock.h"

// The lowest profile whose GameFile, trimmed and reduced to its file name, equals the program's
// file name without regard to case; -1 when none does.
int FindGameProfile(const SettingsBlock& block, const std::string& programFileName);
