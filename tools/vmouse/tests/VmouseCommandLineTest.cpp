#include "VmouseCommandLine.h"

#include <gtest/gtest.h>

namespace {

using Args = std::vector<std::string>;

TEST(VmouseCommandLine, StartsAnInstance)
{
    std::string error;
    auto options = ParseVmouseCommandLine({}, error);
    ASSERT_TRUE(options);
    EXPECT_FALSE(options->Remote);
    EXPECT_FALSE(options->StartUnplugged);
    EXPECT_TRUE(options->TranscriptPath.empty());

    options = ParseVmouseCommandLine({"--unplugged", "--transcript", "C:\\t.txt"}, error);
    ASSERT_TRUE(options);
    EXPECT_TRUE(options->StartUnplugged);
    EXPECT_EQ(options->TranscriptPath, "C:\\t.txt");
}

TEST(VmouseCommandLine, RemoteCommands)
{
    struct Case {
        Args Line;
        RemoteCommandCode Code;
        uint16_t Kind;
        uint16_t Value;
    } cases[] = {
        {{"--event", "0800", "0003"}, RemoteCommandCode::Event, 0x0800, 0x0003},
        {{"--event", "c000", "a0C"}, RemoteCommandCode::Event, 0xC000, 0x0A0C},
        {{"--unplug"}, RemoteCommandCode::Unplug, 0, 0},
        {{"--plug"}, RemoteCommandCode::Plug, 0, 0},
        {{"--quit"}, RemoteCommandCode::Quit, 0, 0},
    };
    for (const Case& c : cases) {
        std::string error;
        auto options = ParseVmouseCommandLine(c.Line, error);
        ASSERT_TRUE(options) << c.Line[0] << ": " << error;
        EXPECT_TRUE(options->Remote);
        EXPECT_EQ(options->Command.Code, static_cast<uint32_t>(c.Code));
        EXPECT_EQ(options->Command.Kind, c.Kind);
        EXPECT_EQ(options->Command.Value, c.Value);
    }
}

TEST(VmouseCommandLine, RefusesWhatMeansNothing)
{
    const Args lines[] = {
        {"--event", "0800"},
        {"--event", "0800", "12345"},
        {"--event", "08G0", "0001"},
        {"--event", "", "0001"},
        {"--event", "0x08", "0001"},
        {"--transcript"},
        {"--plug", "--quit"},
        {"--quit", "--unplugged"},
        {"--frobnicate"},
    };
    for (const Args& line : lines) {
        std::string error;
        EXPECT_FALSE(ParseVmouseCommandLine(line, error)) << line[0];
        EXPECT_FALSE(error.empty());
    }
}

TEST(VmouseCommandLine, RemoteCommandRecord)
{
    const RemoteCommand sent{static_cast<uint32_t>(RemoteCommandCode::Event), 0x4000, 0x0103};
    auto received = DecodeRemoteCommand(&sent, sizeof sent);
    ASSERT_TRUE(received);
    EXPECT_EQ(received->Kind, 0x4000);
    EXPECT_EQ(received->Value, 0x0103);

    EXPECT_FALSE(DecodeRemoteCommand(&sent, sizeof sent - 1));
    EXPECT_FALSE(DecodeRemoteCommand(nullptr, sizeof sent));
    for (uint32_t code : {0u, 5u, 0xFFFFFFFFu}) {
        const RemoteCommand bad{code, 0, 0};
        EXPECT_FALSE(DecodeRemoteCommand(&bad, sizeof bad)) << code;
    }
}

}  // namespace
