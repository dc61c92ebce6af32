#include "DeviceEvent.h"

namespace {

constexpr uint16_t kArrived = 1;
constexpr uint16_t kRemoved = 2;
constexpr uint8_t kTiltLeft = 1;
constexpr uint8_t kTiltRight = 255;
constexpr uint8_t kMediaFirst = 0x20;
constexpr uint8_t kMediaLast = 0x27;

bool InRange(unsigned v, unsigned low, unsigned high) { return v >= low && v <= high; }
bool IsButton(uint8_t lo) { return InRange(lo, 1, 16); }

DeviceEventType Classify(uint16_t kind, uint16_t value, DeviceState state, int& direction)
{
    const uint8_t lo = static_cast<uint8_t>(value);
    const uint8_t hi = static_cast<uint8_t>(value >> 8);
    const uint16_t family = kind & 0xFF00;
    if (kind == kEventDeviceChange) {
        if (value == kArrived && state != DeviceState::Attached) return DeviceEventType::Arrival;
        if (value == kRemoved && state != DeviceState::Removed) return DeviceEventType::Removal;
        return DeviceEventType::Ignored;
    }
    if (kind == kEventTilt) {
        direction = value == kTiltLeft ? -1 : value == kTiltRight ? 1 : 0;
        return direction != 0 ? DeviceEventType::TiltScroll : DeviceEventType::Ignored;
    }
    if (kind == kEventReportInterval)
        return InRange(value, 1, 8) ? DeviceEventType::SettingChanged : DeviceEventType::Ignored;
    if (family == kEventProfileFirst) return DeviceEventType::SettingChanged;
    if (kind == kEventButton) {
        if (!IsButton(lo)) return DeviceEventType::Ignored;
        return hi == 0 ? DeviceEventType::ButtonActionNotice : DeviceEventType::ButtonAction;
    }
    if (kind == kEventButtonQuiet) return IsButton(lo) ? DeviceEventType::ButtonAction : DeviceEventType::Ignored;
    if (kind == kEventLaunchProgram)
        return IsButton(lo) && hi == 0 ? DeviceEventType::LaunchProgram : DeviceEventType::Ignored;
    if (kind == kEventOpenConfiguration) return DeviceEventType::OpenConfiguration;
    if (family == kEventDpiFirst)
        return InRange(value, 1, 8) ? DeviceEventType::SettingChanged : DeviceEventType::Ignored;
    if (kind == kEventSensitivity) return DeviceEventType::SettingChanged;
    if (kind == kEventMediaKey)
        return InRange(lo, kMediaFirst, kMediaLast) ? DeviceEventType::MediaKey : DeviceEventType::Ignored;
    return DeviceEventType::Ignored;
}

}  // namespace

uint32_t DataMessageEventCode(uint32_t wParam, uint32_t lParam)
{
    return (wParam & 0xFFFFu) << 16 | (lParam & 0xFFFFu);
}

uint32_t DeviceChangeEventCode(uint32_t wParam)
{
    const uint32_t value = wParam == 1 ? kArrived : wParam == 0 ? kRemoved : 0;
    return uint32_t{kEventDeviceChange} << 16 | value;
}

DeviceEvent DecodeDeviceEvent(uint32_t code, DeviceState state)
{
    DeviceEvent event{};
    event.Kind = static_cast<uint16_t>(code >> 16);
    event.Value = static_cast<uint16_t>(code);
    event.Type = Classify(event.Kind, event.Value, state, event.Direction);
    return event;
}
