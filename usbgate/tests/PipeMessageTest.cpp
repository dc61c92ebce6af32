#include "PipeMessage.h"

#include <gtest/gtest.h>

#include <vector>

namespace {

using Bytes = std::vector<uint8_t>;

Bytes Head(const PipeMessage& message, size_t count)
{
    const PipeMessageBytes bytes = ToBytes(message);
    return Bytes(bytes.begin(), bytes.begin() + static_cast<long>(count));
}

TEST(PipeMessage, EncodesEachType)
{
    const Bytes begin = {0x01, 0x88, 0x02, 0x00, 0x00, 0x00, 0x00, 0x74};
    auto command = MakeFrameMessage(PipeMessageType::Command, 0x1234, begin.data(), begin.size());
    ASSERT_TRUE(command);
    EXPECT_EQ(Head(*command, 12), (Bytes{0x01, 0x08, 0x34, 0x12, 0x01, 0x88, 0x02, 0x00, 0x00, 0x00, 0x00, 0x74}));

    const Bytes chunk(64, 0x5A);
    auto chunkMessage = MakeFrameMessage(PipeMessageType::Chunk, 2, chunk.data(), chunk.size());
    ASSERT_TRUE(chunkMessage);
    EXPECT_EQ(Head(*chunkMessage, 5), (Bytes{0x02, 0x40, 0x02, 0x00, 0x5A}));
    EXPECT_EQ(ToBytes(*chunkMessage)[67], 0x5A);

    EXPECT_EQ(Head(MakeAckMessage(0x0102, true), 6), (Bytes{0x03, 0x01, 0x02, 0x01, 0x01, 0x00}));
    EXPECT_EQ(Head(MakeAckMessage(7, false), 5), (Bytes{0x03, 0x01, 0x07, 0x00, 0x00}));
    EXPECT_EQ(Head(MakeEventMessage(0x0800, 0x0003), 9), (Bytes{0x04, 0x04, 0x00, 0x00, 0x00, 0x08, 0x03, 0x00, 0x00}));
    EXPECT_EQ(Head(MakePlugMessage(true), 5), (Bytes{0x05, 0x01, 0x00, 0x00, 0x01}));
    EXPECT_EQ(Head(MakePlugMessage(false), 5), (Bytes{0x05, 0x01, 0x00, 0x00, 0x00}));
}

TEST(PipeMessage, FramesMustHaveTheirSize)
{
    const Bytes data(64);
    EXPECT_FALSE(MakeFrameMessage(PipeMessageType::Command, 1, data.data(), 7));
    EXPECT_FALSE(MakeFrameMessage(PipeMessageType::Command, 1, data.data(), 64));
    EXPECT_FALSE(MakeFrameMessage(PipeMessageType::Chunk, 1, data.data(), 8));
    EXPECT_FALSE(MakeFrameMessage(PipeMessageType::Chunk, 1, nullptr, 64));
    EXPECT_FALSE(MakeFrameMessage(PipeMessageType::Ack, 1, data.data(), 1));
}

TEST(PipeMessage, DecodesWhatItEncodes)
{
    const PipeMessageBytes bytes = ToBytes(MakeEventMessage(0x4000, 0x0103));
    auto decoded = DecodePipeMessage(bytes.data(), bytes.size());
    ASSERT_TRUE(decoded);
    EXPECT_EQ(decoded->Type, static_cast<uint8_t>(PipeMessageType::Event));
    EXPECT_EQ(EventKindOf(*decoded), 0x4000);
    EXPECT_EQ(EventValueOf(*decoded), 0x0103);
    const PipeMessageBytes ack = ToBytes(MakeAckMessage(0xBEEF, true));
    EXPECT_EQ(MessageSequence(*DecodePipeMessage(ack.data(), ack.size())), 0xBEEF);
}

TEST(PipeMessage, RefusesGarbage)
{
    PipeMessageBytes bytes = ToBytes(MakePlugMessage(true));
    EXPECT_FALSE(DecodePipeMessage(bytes.data(), bytes.size() - 1));
    EXPECT_FALSE(DecodePipeMessage(nullptr, bytes.size()));
    struct Case {
        uint8_t Type;
        uint8_t Length;
    } cases[] = {{0, 0}, {6, 1}, {0xFF, 64}, {1, 64}, {2, 8}, {3, 0}, {4, 1}, {5, 4}};
    for (const Case& c : cases) {
        bytes[0] = c.Type;
        bytes[1] = c.Length;
        EXPECT_FALSE(DecodePipeMessage(bytes.data(), bytes.size())) << int(c.Type) << "/" << int(c.Length);
    }
}

}  // namespace
