// The mouse's 32-bit event codes (kind in the high 16 bits, value in the low 16) and what
// each one asks Monitor to do.
#pragma once

#include <cstdint>

constexpr uint16_t kEventDeviceChange = 0x7F00;
constexpr uint16_t kEventTilt = 0x1000;
constexpr uint16_t kEventReportInterval = 0x01F2;
constexpr uint16_t kEventProfileFirst = 0x0800;  // 0x0800-0x08FF
constexpr uint16_t kEventButton = 0x4000;
constexpr uint16_t kEventButtonQuiet = 0x5000;
constexpr uint16_t kEventLaunchProgram = 0x000A;
constexpr uint16_t kEventOpenConfiguration = 0x00A0;
constexpr uint16_t kEventDpiFirst = 0x0700;  // 0x0700-0x07FF
constexpr uint16_t kEventSensitivity = 0xC000;
constexpr uint16_t kEventMediaKey = 0xF000;

// The device state of the connection: what arrival and removal events are tested against.
enum class DeviceState : int32_t { NotFound = 0, Attached = 1, Removed = 2 };

enum class DeviceEventType : uint8_t {
    Ignored,
    Arrival,
    Removal,
    TiltScroll,          // Direction -1 or +1
    SettingChanged,      // hand Kind and Value to ApplySettingEvent
    ButtonAction,        // hand Value to DecideButtonAction
    ButtonActionNotice,  // the same, then ApplySettingEvent(kEventButton, Lo())
    LaunchProgram,       // run the program of button Lo() (1-16)
    OpenConfiguration,
    MediaKey,            // media function Lo(), released when Hi() is not 0
};

struct DeviceEvent {
    DeviceEventType Type;
    uint16_t Kind;
    uint16_t Value;
    int Direction;

    uint8_t Lo() const { return static_cast<uint8_t>(Value); }
    uint8_t Hi() const { return static_cast<uint8_t>(Value >> 8); }
};

// The code of a data message: kind from wParam, value from the low 16 bits of lParam.
uint32_t DataMessageEventCode(uint32_t wParam, uint32_t lParam);
// The code of a device-change message: arrival for wParam 1, removal for 0, value 0 otherwise.
uint32_t DeviceChangeEventCode(uint32_t wParam);

DeviceEvent DecodeDeviceEvent(uint32_t code, DeviceState state);
