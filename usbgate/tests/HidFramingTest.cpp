#include "HidFraming.h"

#include <gtest/gtest.h>

namespace {

using Bytes = std::vector<uint8_t>;

const Bytes kSelectProfile1 = {0x02, 0x01, 0x00, 0x00, 0x00, 0x00, 0x00, 0xFC};

TEST(HidFraming, CommandReportGetsItsIdAndPadding)
{
    EXPECT_EQ(FrameOutgoing(HidOutgoing::Command, kSelectProfile1.data(), 8, 9),
              (Bytes{0x01, 0x02, 0x01, 0x00, 0x00, 0x00, 0x00, 0x00, 0xFC}));
    EXPECT_EQ(FrameOutgoing(HidOutgoing::Command, kSelectProfile1.data(), 8, 12),
              (Bytes{0x01, 0x02, 0x01, 0x00, 0x00, 0x00, 0x00, 0x00, 0xFC, 0x00, 0x00, 0x00}));
}

TEST(HidFraming, ChunkReportGetsItsId)
{
    Bytes chunk(64);
    for (size_t i = 0; i < chunk.size(); ++i) chunk[i] = static_cast<uint8_t>(0xA0 + i);
    const Bytes framed = FrameOutgoing(HidOutgoing::Chunk, chunk.data(), 64, 65);
    ASSERT_EQ(framed.size(), 65u);
    EXPECT_EQ(framed[0], 0x02);
    EXPECT_EQ(framed[1], 0xA0);
    EXPECT_EQ(framed[64], 0xDF);
}

TEST(HidFraming, RefusesPayloadsThatAreNotOneFrame)
{
    const Bytes big(65);
    struct Case {
        HidOutgoing Kind;
        const uint8_t* Payload;
        size_t Size;
        size_t ReportLength;
    } cases[] = {
        {HidOutgoing::Command, big.data(), 7, 9},    // short report
        {HidOutgoing::Command, big.data(), 9, 10},   // long report
        {HidOutgoing::Command, big.data(), 8, 8},    // no room for the id
        {HidOutgoing::Command, nullptr, 8, 9},
        {HidOutgoing::Chunk, big.data(), 63, 65},
        {HidOutgoing::Chunk, big.data(), 65, 66},
        {HidOutgoing::Chunk, big.data(), 64, 64},
    };
    for (const Case& c : cases)
        EXPECT_TRUE(FrameOutgoing(c.Kind, c.Payload, c.Size, c.ReportLength).empty()) << c.Size << "/" << c.ReportLength;
}

TEST(HidFraming, EventReportsGiveKindAndValue)
{
    const Bytes profile3 = {0x03, 0x00, 0x08, 0x03, 0x00, 0x00, 0x00, 0x00, 0x00};
    EXPECT_EQ(ParseEventReport(profile3.data(), profile3.size()), (HidEvent{0x0800, 0x0003}));
    const Bytes release = {0x03, 0x00, 0x40, 0x03, 0x01};
    EXPECT_EQ(ParseEventReport(release.data(), release.size()), (HidEvent{0x4000, 0x0103}));

    const Bytes otherId = {0x01, 0x00, 0x08, 0x03, 0x00};
    const Bytes shortReport = {0x03, 0x00, 0x08, 0x03};
    EXPECT_FALSE(ParseEventReport(otherId.data(), otherId.size()));
    EXPECT_FALSE(ParseEventReport(shortReport.data(), shortReport.size()));
    EXPECT_FALSE(ParseEventReport(nullptr, 9));
}

TEST(HidFraming, PicksTheMouseVendorInterface)
{
    const std::vector<HidInterfaceInfo> interfaces = {
        {0x1234, 0x4B2D, 0xFF00, 9, 65, 9},                       // another maker
        {kMouseVendorId, kMouseProductId, 0x0001, 9, 65, 9},      // the mouse's pointer collection
        {kMouseVendorId, kMouseProductId, 0xFF00, 8, 65, 9},      // feature report too short
        {kMouseVendorId, kMouseProductId, 0xFF01, 9, 64, 9},      // output report too short
        {kMouseVendorId, kMouseProductId, 0xFF01, 9, 65, 4},      // input report too short
        {kMouseVendorId, kMouseProductId, 0xFF02, 9, 65, 5},      // this one
        {kMouseVendorId, kMouseProductId, 0xFF00, 9, 65, 9},
    };
    EXPECT_EQ(SelectMouseInterface(interfaces, kMouseVendorId, kMouseProductId), 5);
    EXPECT_EQ(SelectMouseInterface(interfaces, kMouseVendorId, 0x0001), -1);
    EXPECT_EQ(SelectMouseInterface({}, kMouseVendorId, kMouseProductId), -1);
}

}  // namespace
