#include "Transcript.h"

#include <gtest/gtest.h>

#include <vector>

#include "TempDir.h"

namespace {

TEST(Transcript, LineBodies)
{
    const std::vector<uint8_t> begin = {0x01, 0x88, 0x02, 0x00, 0x00, 0x00, 0x00, 0x74};
    EXPECT_EQ(TranscriptCommand(begin.data(), begin.size()), "F 0188020000000074");
    std::vector<uint8_t> chunk(64, 0);
    chunk[0] = 0xAB;
    chunk[63] = 0x0F;
    EXPECT_EQ(TranscriptChunk(chunk.data(), chunk.size()), "W AB" + std::string(124, '0') + "0F");
    EXPECT_EQ(TranscriptEvent(0x0800, 0x0003), "E 0800 0003");
    EXPECT_EQ(TranscriptEvent(0xC000, 0x0A0C), "E C000 0A0C");
    EXPECT_EQ(TranscriptPlug(true), "P 1");
    EXPECT_EQ(TranscriptPlug(false), "P 0");
}

TEST(Transcript, ErrorTextIsOnePrintableLine)
{
    EXPECT_EQ(TranscriptError("chunk of 3 bytes"), "X chunk of 3 bytes");
    EXPECT_EQ(TranscriptError("a\nb\x01"), "X a?b?");
    EXPECT_EQ(TranscriptError(std::string(500, 'z')).size(), 202u);
}

TEST(Transcript, WritesTimedLinesAndNothingWithoutAFile)
{
    TempDir dir;
    Transcript unopened;
    unopened.Write(1, "P 1");  // goes nowhere, harmlessly

    Transcript transcript;
    ASSERT_TRUE(transcript.Open(dir.File("t.txt")));
    transcript.Write(0, "P 1");
    transcript.Write(1234, "E 0700 0002");
    EXPECT_EQ(TempDir::Read(dir.File("t.txt")), "0 P 1\n1234 E 0700 0002\n") << "flushed after every line";

    Transcript missingFolder;
    EXPECT_FALSE(missingFolder.Open(dir.File("no-such-folder/t.txt")));
}

}  // namespace
