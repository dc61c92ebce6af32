#include "DeviceReport.h"

#include <gtest/gtest.h>

#include "DeviceReportTestSupport.h"

TEST(DeviceReport, CommandBytesEndWithChecksumThatMakesTheSum0xFF)
{
    struct Case {
        uint8_t code, arg1, arg2;
        Bytes expected;
    };
    const Case cases[] = {
        {CMD_BEGIN, 0x88, 0x02, {0x01, 0x88, 0x02, 0, 0, 0, 0, 0x74}},
        {CMD_SELECT_PROFILE, 1, 0, {0x02, 0x01, 0x00, 0, 0, 0, 0, 0xFC}},
        {CMD_MACRO_SLOT, 80, 0x80, {0x0F, 0x50, 0x80, 0, 0, 0, 0, 0x20}},
        // The sum passes 0xFF: the checksum wraps modulo 256.
        {CMD_MACRO_SLOT, 0x88, 0x88, {0x0F, 0x88, 0x88, 0, 0, 0, 0, 0xE0}},
        {0xFF, 0x00, 0x00, {0xFF, 0, 0, 0, 0, 0, 0, 0x00}},
    };
    for (const Case& c : cases)
        EXPECT_EQ(c.expected, BytesOf(ToBytes(MakeDeviceReport(c.code, c.arg1, c.arg2)))) << int(c.code);
}

TEST(DeviceReport, ReportIntervalCodeOfPollingRate)
{
    const std::pair<int32_t, uint8_t> cases[] = {{0, 8}, {1, 4}, {2, 2}, {3, 1}, {7, 2}, {-1, 2}, {4, 2}};
    for (auto [rate, code] : cases) EXPECT_EQ(code, ReportIntervalCode(rate)) << rate;
}

TEST(DeviceReport, PageSplitsIntoTwoHalves)
{
    DataPage page;
    for (size_t i = 0; i < page.size(); ++i) page[i] = static_cast<uint8_t>(i);
    const DataChunk first = PageChunk(page, 0);
    const DataChunk second = PageChunk(page, 1);
    EXPECT_EQ(0, first.front());
    EXPECT_EQ(63, first.back());
    EXPECT_EQ(64, second.front());
    EXPECT_EQ(127, second.back());
}
