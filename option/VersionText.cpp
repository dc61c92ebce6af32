#include "VersionText.h"

std::string FirmwareVersionText(int version, int highest)
{
    if (version < 100 || version > highest) return "N/A";
    std::string digits = std::to_string(version);
    digits.insert(1, ".");
    return digits;
}
