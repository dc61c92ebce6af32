// The firmware version as the main window shows it: 104 is "1.04".
#pragma once

#include <string>

// "N/A" below 100 and above highest; otherwise the number with a point after its first digit.
std::string FirmwareVersionText(int version, int highest);

constexpr int kFirmwareHighestAtStart = 500;
constexpr int kNoUpperLimit = 2147483647;
constexpr char kProgramVersion[] = "1.04";
