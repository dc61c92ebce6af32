#include "HidFraming.h"

#include <cstring>

std::vector<uint8_t> FrameOutgoing(HidOutgoing kind, const uint8_t* payload, size_t size, size_t reportLength)
{
    const bool command = kind == HidOutgoing::Command;
    const size_t expected = command ? kCommandPayloadSize : kChunkPayloadSize;
    if (!payload || size != expected || reportLength < expected + 1) return {};
    std::vector<uint8_t> report(reportLength, 0);
    report[0] = command ? kCommandReportId : kChunkReportId;
    std::memcpy(report.data() + 1, payload, size);
    return report;
}

std::optional<HidEvent> ParseEventReport(const uint8_t* report, size_t size)
{
    if (!report || size < sizeof(HidEventReport)) return std::nullopt;
    HidEventReport r;
    std::memcpy(&r, report, sizeof r);
    if (r.ReportId != kEventReportId) return std::nullopt;
    return HidEvent{static_cast<uint16_t>(r.KindLow | r.KindHigh << 8),
                    static_cast<uint16_t>(r.ValueLow | r.ValueHigh << 8)};
}

int SelectMouseInterface(const std::vector<HidInterfaceInfo>& interfaces, uint16_t vendorId, uint16_t productId)
{
    for (size_t i = 0; i < interfaces.size(); ++i) {
        const HidInterfaceInfo& info = interfaces[i];
        if (info.VendorId == vendorId && info.ProductId == productId && info.UsagePage >= kVendorUsagePageFirst &&
            info.FeatureReportLength > kCommandPayloadSize && info.OutputReportLength > kChunkPayloadSize &&
            info.InputReportLength >= sizeof(HidEventReport))
            return static_cast<int>(i);
    }
    return -1;
}
