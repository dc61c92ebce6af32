#include "DeviceReport.h"

DeviceReport MakeDeviceReport(uint8_t code, uint8_t arg1, uint8_t arg2)
{
    DeviceReport report{};
    report.Code = code;
    report.Arg1 = arg1;
    report.Arg2 = arg2;
    report.Checksum = static_cast<uint8_t>(0xFF - code - arg1 - arg2);
    return report;
}

ReportBytes ToBytes(const DeviceReport& report)
{
    ReportBytes bytes;
    std::memcpy(bytes.data(), &report, bytes.size());
    return bytes;
}

uint8_t ReportIntervalCode(int32_t pollingRate)
{
    switch (pollingRate) {
    case 0: return 8;
    case 1: return 4;
    case 3: return 1;
    default: return 2;
    }
}

DataChunk PageChunk(const DataPage& page, int index)
{
    DataChunk chunk;
    const size_t start = index == 0 ? 0 : kDataChunkSize;
    std::memcpy(chunk.data(), page.data() + start, chunk.size());
    return chunk;
}
