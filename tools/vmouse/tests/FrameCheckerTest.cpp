#include "FrameChecker.h"

#include <gtest/gtest.h>

namespace {

using Bytes = std::vector<uint8_t>;

const Bytes kBegin = {0x01, 0x88, 0x02, 0x00, 0x00, 0x00, 0x00, 0x74};
const Bytes kSelectProfile3 = {0x02, 0x03, 0x00, 0x00, 0x00, 0x00, 0x00, 0xFA};
const Bytes kInterval4ForProfile2 = {0x03, 0x02, 0x04, 0x00, 0x00, 0x00, 0x00, 0xF6};
const Bytes kDpi3ForProfile1 = {0x04, 0x01, 0x03, 0x00, 0x00, 0x00, 0x00, 0xF7};
const Bytes kSettingsPage5 = {0x0C, 0x05, 0x80, 0x00, 0x00, 0x00, 0x00, 0x6E};
const Bytes kButtonTable1 = {0x0D, 0x01, 0x80, 0x00, 0x00, 0x00, 0x00, 0x71};
const Bytes kMacroSlot80 = {0x0F, 0x50, 0x80, 0x00, 0x00, 0x00, 0x00, 0x20};
const Bytes kMacroSlot81 = {0x0F, 0x51, 0x80, 0x00, 0x00, 0x00, 0x00, 0x1F};

Bytes Chunk(uint8_t fill) { return Bytes(64, fill); }

class FrameCheckerTest : public ::testing::Test {
protected:
    std::vector<std::string> Command(const Bytes& b) { return checker.TakeCommand(b.data(), b.size()); }
    std::vector<std::string> ChunkOf(uint8_t fill)
    {
        const Bytes c = Chunk(fill);
        return checker.TakeChunk(c.data(), c.size());
    }

    MouseMemory memory = FactoryMemory();
    FrameChecker checker{memory};
};

TEST_F(FrameCheckerTest, AppliesValidCommands)
{
    EXPECT_TRUE(Command(kBegin).empty());
    EXPECT_TRUE(Command(kSelectProfile3).empty());
    EXPECT_EQ(memory.CurrentProfile, 2);
    EXPECT_TRUE(Command(kInterval4ForProfile2).empty());
    EXPECT_EQ(memory.Profiles[1].ReportInterval, 4);
    EXPECT_TRUE(Command(kDpi3ForProfile1).empty());
    EXPECT_EQ(memory.Profiles[0].DpiLevel, 3);
}

TEST_F(FrameCheckerTest, StoresEachKindOfPageFromItsTwoChunks)
{
    EXPECT_TRUE(Command(kSettingsPage5).empty());
    EXPECT_TRUE(ChunkOf(0x11).empty());
    EXPECT_TRUE(ChunkOf(0x22).empty());
    EXPECT_EQ(memory.Profiles[4].Settings[63], 0x11);
    EXPECT_EQ(memory.Profiles[4].Settings[64], 0x22);

    EXPECT_TRUE(Command(kButtonTable1).empty());
    ChunkOf(0x33);
    EXPECT_NE(memory.Profiles[0].Buttons[0], 0x33) << "stored before its second chunk";
    ChunkOf(0x44);
    EXPECT_EQ(memory.Profiles[0].Buttons[0], 0x33);
    EXPECT_EQ(memory.Profiles[0].Buttons[127], 0x44);

    EXPECT_TRUE(Command(kMacroSlot80).empty());
    ChunkOf(0x55);
    ChunkOf(0x66);
    EXPECT_EQ(memory.Slots[79][0], 0x55);
    EXPECT_EQ(memory.Slots[79][127], 0x66);
}

TEST_F(FrameCheckerTest, RefusesBadCommandReports)
{
    const MouseMemory before = memory;
    struct Case {
        Bytes Report;
        const char* Error;
    } cases[] = {
        {{0x02, 0x03, 0x00, 0x00, 0x00, 0x00, 0x00, 0xFB}, "command 02: checksum FB, expected FA"},
        {{0x02, 0x03, 0x00, 0x00, 0x00, 0x00, 0x00}, "command report of 7 bytes"},
        {{0x02, 0x03, 0x00, 0x00, 0x00, 0x00, 0x00, 0xFA, 0x00}, "command report of 9 bytes"},
        {{0x02, 0x03, 0x00, 0x00, 0x01, 0x00, 0x00, 0xF9}, "command 02: bytes 3-6 are not zero"},
        {{0x01, 0x88, 0x03, 0x00, 0x00, 0x00, 0x00, 0x73}, "begin with arguments 88 03"},
        {{0x02, 0x00, 0x00, 0x00, 0x00, 0x00, 0x00, 0xFD}, "select profile 0, 00"},
        {{0x02, 0x06, 0x00, 0x00, 0x00, 0x00, 0x00, 0xF7}, "select profile 6, 00"},
        {{0x03, 0x01, 0x03, 0x00, 0x00, 0x00, 0x00, 0xF8}, "report interval 3 for profile 1"},
        {{0x04, 0x01, 0x06, 0x00, 0x00, 0x00, 0x00, 0xF4}, "DPI level 6 for profile 1"},
        {{0x04, 0x00, 0x01, 0x00, 0x00, 0x00, 0x00, 0xFA}, "DPI level 1 for profile 0"},
        {{0x05, 0x00, 0x00, 0x00, 0x00, 0x00, 0x00, 0xFA}, "unknown command 05"},
    };
    for (const Case& c : cases) EXPECT_EQ(Command(c.Report), std::vector<std::string>{c.Error});
    EXPECT_EQ(memory.CurrentProfile, before.CurrentProfile);
    EXPECT_EQ(memory.Profiles[0].ReportInterval, before.Profiles[0].ReportInterval);
    EXPECT_EQ(memory.Profiles[0].DpiLevel, before.Profiles[0].DpiLevel);
}

TEST_F(FrameCheckerTest, PageCommandsOutOfRangeSwallowTheirChunks)
{
    const MouseMemory before = memory;
    EXPECT_EQ(Command(kMacroSlot81), std::vector<std::string>{"command 0F for slot 81, 80"});
    EXPECT_TRUE(ChunkOf(0x77).empty());
    EXPECT_TRUE(ChunkOf(0x77).empty());
    const Bytes noPage = {0x0D, 0x02, 0x00, 0x00, 0x00, 0x00, 0x00, 0xF0};
    EXPECT_EQ(Command(noPage), std::vector<std::string>{"command 0D for profile 2, 00"});
    ChunkOf(0x77);
    ChunkOf(0x77);
    for (int s = 0; s < kMacroSlotCount; ++s) EXPECT_EQ(memory.Slots[s], before.Slots[s]);
    EXPECT_EQ(memory.Profiles[1].Buttons, before.Profiles[1].Buttons);
}

TEST_F(FrameCheckerTest, ChunksMustFollowTheirCommand)
{
    EXPECT_EQ(ChunkOf(0x01), std::vector<std::string>{"chunk without a page command"});

    const MouseMemory before = memory;
    Command(kButtonTable1);
    ChunkOf(0x33);
    EXPECT_EQ(Command(kSelectProfile3), std::vector<std::string>{"command 02 after 1 of the 2 chunks of command 0D"});
    EXPECT_EQ(memory.CurrentProfile, 2) << "the interrupting command still counts";
    EXPECT_EQ(memory.Profiles[0].Buttons, before.Profiles[0].Buttons) << "half a page is not stored";
    EXPECT_EQ(ChunkOf(0x44), std::vector<std::string>{"chunk without a page command"});

    Command(kSettingsPage5);
    const Bytes shortChunk(63);
    EXPECT_EQ(checker.TakeChunk(shortChunk.data(), shortChunk.size()), std::vector<std::string>{"chunk of 63 bytes"});
    EXPECT_TRUE(ChunkOf(0x01).empty()) << "a bad chunk is not counted";
    EXPECT_TRUE(ChunkOf(0x02).empty());
    EXPECT_EQ(memory.Profiles[4].Settings[0], 0x01);
}

}  // namespace
