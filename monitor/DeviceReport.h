// The 8-byte command report that opens every exchange with the mouse, and the 128-byte data
// pages that follow some commands as two 64-byte chunks.
#pragma once

#include <array>
#include <cstddef>
#include <cstdint>
#include <cstring>

constexpr uint8_t CMD_BEGIN = 0x01;
constexpr uint8_t CMD_SELECT_PROFILE = 0x02;
constexpr uint8_t CMD_REPORT_INTERVAL = 0x03;
constexpr uint8_t CMD_DPI_LEVEL = 0x04;
constexpr uint8_t CMD_SETTINGS_PAGE = 0x0C;
constexpr uint8_t CMD_BUTTON_TABLE = 0x0D;
constexpr uint8_t CMD_MACRO_SLOT = 0x0F;

constexpr uint8_t kBeginArg1 = 0x88;
constexpr uint8_t kBeginArg2 = 0x02;
// Second argument of a command that a 128-byte page follows.
constexpr uint8_t kPageFollows = 0x80;

struct DeviceReport {
    uint8_t Code;
    uint8_t Arg1;
    uint8_t Arg2;
    uint8_t Zero[4];
    uint8_t Checksum;  // makes the eight bytes add up to 0xFF
};

static_assert(sizeof(DeviceReport) == 8);
static_assert(offsetof(DeviceReport, Code) == 0);
static_assert(offsetof(DeviceReport, Arg1) == 1);
static_assert(offsetof(DeviceReport, Arg2) == 2);
static_assert(offsetof(DeviceReport, Zero) == 3);
static_assert(offsetof(DeviceReport, Checksum) == 7);

constexpr size_t kReportSize = sizeof(DeviceReport);
constexpr size_t kDataPageSize = 128;
constexpr size_t kDataChunkSize = 64;
constexpr int kChunksPerPage = static_cast<int>(kDataPageSize / kDataChunkSize);

using ReportBytes = std::array<uint8_t, kReportSize>;
using DataPage = std::array<uint8_t, kDataPageSize>;
using DataChunk = std::array<uint8_t, kDataChunkSize>;

DeviceReport MakeDeviceReport(uint8_t code, uint8_t arg1, uint8_t arg2);
ReportBytes ToBytes(const DeviceReport& report);

// Interval code of CMD_REPORT_INTERVAL for a PollingRate choice; unknown choices get 2.
uint8_t ReportIntervalCode(int32_t pollingRate);

// Chunk 0 is bytes 0-63 of the page, chunk 1 bytes 64-127; any other index gives chunk 1.
DataChunk PageChunk(const DataPage& page, int index);

// The bytes of one of the 128-byte page records.
template <typename Page>
DataPage ToDataPage(const Page& page)
{
    static_assert(sizeof(Page) == kDataPageSize);
    DataPage bytes;
    std::memcpy(bytes.data(), &page, bytes.size());
    return bytes;
}
