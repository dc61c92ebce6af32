// printf into a std::string, for the virtual mouse's messages and descriptions.
#pragma once

#include <string>

#include "DebugLog.h"

std::string FormatText(const char* format, ...) KV_PRINTF(1, 2);
