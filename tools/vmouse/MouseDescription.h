// What the virtual mouse's window shows: the memory in words.
#pragma once

#include <string>
#include <vector>

#include "MouseMemory.h"

// A button code in words, e.g. "Left button", "Key 0x06 (C) Ctrl", "DPI up", "Macro slot 3".
std::string DescribeButtonCode(const ButtonCode& code);

// The current profile with its report interval, DPI levels, light and colours, then one line
// per button ("B1 Left button" ...).
std::vector<std::string> DescribeMemory(const MouseMemory& memory);
