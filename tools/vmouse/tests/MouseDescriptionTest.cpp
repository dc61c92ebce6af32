#include "MouseDescription.h"

#include <gtest/gtest.h>

namespace {

TEST(MouseDescription, NamesButtonCodes)
{
    struct Case {
        ButtonCode Code;
        const char* Text;
    } cases[] = {
        {{0x01, 0x00, 0xF0, 0x00}, "Left button"},
        {{0x01, 0x00, 0xF3, 0x00}, "Back button"},
        {{0x01, 0x00, 0xF9, 0x00}, "Function 01 00 F9 00"},
        {{0x00, 0x00, 0x00, 0x00}, "Disabled"},
        {{0x00, 0x02, 0x06, 0x00}, "Key 0x06 (C) Ctrl"},
        {{0x00, 0x05, 0x04, 0x00}, "Key 0x04 (A) Shift+Alt"},
        {{0x00, 0x08, 0x00, 0x00}, "Key Win"},
        {{0x03, 0x00, 0x83, 0x01}, "Media usage 0x0183"},
        {{0x04, 0x00, 0x04, 0x00}, "Tilt left"},
        {{0x06, 0x00, 0x0A, 0x03}, "Event 000A 0003 to the PC"},
        {{0x07, 0x00, 0x02, 0x00}, "DPI down"},
        {{0x08, 0x00, 0x03, 0x00}, "Profile cycle"},
        {{0x08, 0x00, 0x09, 0x00}, "Profile ?"},
        {{0x09, 0x00, 0x11, 0x04}, "Macro slot 17"},
        {{0x0B, 0x08, 0x00, 0x00}, "Function 0B 08 00 00"},
    };
    for (const Case& c : cases) EXPECT_EQ(DescribeButtonCode(c.Code), c.Text);
}

TEST(MouseDescription, ShowsTheCurrentProfile)
{
    MouseMemory memory = FactoryMemory();
    memory.CurrentProfile = 3;
    MouseProfile& profile = memory.Profiles[3];
    profile.ReportInterval = 2;
    profile.DpiLevel = 4;
    const uint8_t levels[] = {4, 8, 16, 32, 64};
    std::copy(std::begin(levels), std::end(levels), profile.Settings.begin() + 84);
    profile.Settings[74] = 120;
    profile.Settings[75] = 95;
    profile.Settings[71] = 2;
    profile.Settings[72] = 25;
    profile.Settings[73] = 0x80;
    profile.Settings[104] = 0xFF;
    profile.Settings[105] = 0x00;
    profile.Settings[106] = 0x80;
    const std::vector<std::string> lines = DescribeMemory(memory);
    ASSERT_EQ(lines.size(), 5u + 16u);
    EXPECT_EQ(lines[0], "Profile 4 of 5, report interval 2 ms");
    EXPECT_EQ(lines[1], "DPI level 4 of 4 8 16 32 64");
    EXPECT_EQ(lines[2], "Sensitivity X 12 Y 9");
    EXPECT_EQ(lines[3], "Light mode 2, rate 25, option 0x80");
    EXPECT_EQ(lines[4].substr(0, 14), "Colours FF0080");
    EXPECT_EQ(lines[5], "B1 Left button");
}

}  // namespace
