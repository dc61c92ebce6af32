// How command reports, data chunks and the mouse's events travel as HID reports of the
// mouse's vendor-defined interface. Pure functions, so that the framing is tested without a
// mouse; docs/DEVICE_PROTOCOL.md describes the same layout for people.
#pragma once

#include <cstddef>
#include <cstdint>
#include <optional>
#include <vector>

constexpr uint16_t kMouseVendorId = 0x2E5A;
constexpr uint16_t kMouseProductId = 0x4B2D;
// The mouse's own collection; its mouse and keyboard collections are opened by Windows itself.
constexpr uint16_t kVendorUsagePageFirst = 0xFF00;

constexpr uint8_t kCommandReportId = 0x01;  // feature report: one 8-byte command report
constexpr uint8_t kChunkReportId = 0x02;    // output report: one 64-byte data chunk
constexpr uint8_t kEventReportId = 0x03;    // input report: one event (kind, value)

constexpr size_t kCommandPayloadSize = 8;
constexpr size_t kChunkPayloadSize = 64;

// The input report as the mouse sends it; kind and value are little-endian.
struct HidEventReport {
    uint8_t ReportId;
    uint8_t KindLow;
    uint8_t KindHigh;
    uint8_t ValueLow;
    uint8_t ValueHigh;
};

static_assert(sizeof(HidEventReport) == 5);
static_assert(offsetof(HidEventReport, ReportId) == 0);
static_assert(offsetof(HidEventReport, KindLow) == 1);
static_assert(offsetof(HidEventReport, KindHigh) == 2);
static_assert(offsetof(HidEventReport, ValueLow) == 3);
static_assert(offsetof(HidEventReport, ValueHigh) == 4);

enum class HidOutgoing : uint8_t { Command, Chunk };

// The report buffer that carries `size` payload bytes: report id, payload, zeros up to
// reportLength (the interface's report length, report id included). Empty when the payload is
// not exactly 8 (Command) or 64 (Chunk) bytes, or does not fit reportLength.
std::vector<uint8_t> FrameOutgoing(HidOutgoing kind, const uint8_t* payload, size_t size, size_t reportLength);

struct HidEvent {
    uint16_t Kind;
    uint16_t Value;

    bool operator==(const HidEvent&) const = default;
};

// The event an input report carries; nothing for other report ids and short reports.
std::optional<HidEvent> ParseEventReport(const uint8_t* report, size_t size);

// What the HID API says about one interface of an attached device.
struct HidInterfaceInfo {
    uint16_t VendorId;
    uint16_t ProductId;
    uint16_t UsagePage;
    uint16_t FeatureReportLength;  // report id included, as the HID capabilities give them
    uint16_t OutputReportLength;
    uint16_t InputReportLength;
};

// Index of the first interface of the mouse that can carry all three reports; -1 if none.
int SelectMouseInterface(const std::vector<HidInterfaceInfo>& interfaces, uint16_t vendorId, uint16_t productId);
