#include "MouseActions.h"

#include <algorithm>

#include "DeviceEvent.h"

namespace {

constexpr uint8_t kGroupKey = 0x00;
constexpr uint8_t kGroupWheel = 0x04;
constexpr uint8_t kGroupEvent = 0x06;
constexpr uint8_t kGroupDpi = 0x07;
constexpr uint8_t kGroupProfile = 0x08;
constexpr uint8_t kWheelTiltRight = 3;
constexpr uint8_t kWheelTiltLeft = 4;
constexpr uint16_t kReleased = 0x0100;
constexpr uint16_t kTiltLeftValue = 1;
constexpr uint16_t kTiltRightValue = 255;
constexpr int kSensitivityMin = 1;
constexpr int kSensitivityMax = 20;
constexpr uint8_t kIntervals[] = {1, 2, 4, 8};

// index 0..count-1 after one step.
int Stepped(int index, int count, MouseStep step)
{
    switch (step) {
    case MouseStep::Up: return std::min(index + 1, count - 1);
    case MouseStep::Down: return std::max(index - 1, 0);
    case MouseStep::Cycle: return (index + 1) % count;
    }
    return index;
}

bool IsStep(uint8_t byte) { return byte >= 1 && byte <= 3; }

MouseProfile& Current(MouseMemory& memory)
{
    memory.CurrentProfile = std::clamp(memory.CurrentProfile, 0, kProfileCount - 1);
    return memory.Profiles[memory.CurrentProfile];
}

int SensitivityOf(uint8_t pageByte) { return std::clamp(pageByte / 10, kSensitivityMin, kSensitivityMax); }

}  // namespace

std::vector<MouseEvent> PressButton(MouseMemory& memory, int b, bool down)
{
    if (b < 0 || b >= kButtonCount) return {};
    const ButtonCode code = ButtonCodeOf(Current(memory), b);
    const uint16_t button = static_cast<uint16_t>(b + 1);
    switch (code.Group) {
    case kGroupProfile:
        if (down && IsStep(code.Arg2)) return {StepProfile(memory, static_cast<MouseStep>(code.Arg2))};
        return {};
    case kGroupDpi:
        if (down && IsStep(code.Arg2)) return {StepDpi(memory, static_cast<MouseStep>(code.Arg2))};
        return {};
    case kGroupEvent:
        if (down) return {{code.Arg2, code.Arg3}};
        return {};
    case kGroupWheel:
        if (code.Arg2 == kWheelTiltLeft) return {TiltEvent(-1, down)};
        if (code.Arg2 == kWheelTiltRight) return {TiltEvent(+1, down)};
        return {};
    case kGroupKey:
        if (code == ButtonCode{}) return {};  // disabled
        [[fallthrough]];
    case kGroupMacroSlot:
        // Keys and macros the PC may have to play: it hears of press and release.
        return {{kEventButton, static_cast<uint16_t>(down ? button : (button | kReleased))}};
    default:
        return {};  // clicks, wheel and media keys reach Windows as ordinary input
    }
}

MouseEvent StepProfile(MouseMemory& memory, MouseStep step)
{
    Current(memory);
    memory.CurrentProfile = Stepped(memory.CurrentProfile, kProfileCount, step);
    return {kEventProfileFirst, static_cast<uint16_t>(memory.CurrentProfile + 1)};
}

MouseEvent StepDpi(MouseMemory& memory, MouseStep step)
{
    MouseProfile& profile = Current(memory);
    const int level = std::clamp<int>(profile.DpiLevel, 1, kMouseDpiLevels);
    profile.DpiLevel = static_cast<uint8_t>(Stepped(level - 1, kMouseDpiLevels, step) + 1);
    return {kEventDpiFirst, profile.DpiLevel};
}

MouseEvent NextReportInterval(MouseMemory& memory)
{
    MouseProfile& profile = Current(memory);
    const uint8_t* at = std::find(std::begin(kIntervals), std::end(kIntervals), profile.ReportInterval);
    profile.ReportInterval = at == std::end(kIntervals) || at + 1 == std::end(kIntervals) ? kIntervals[0] : at[1];
    return {kEventReportInterval, profile.ReportInterval};
}

MouseEvent StepSensitivity(MouseMemory& memory, int delta)
{
    MouseProfile& profile = Current(memory);
    uint8_t& xByte = profile.Settings[offsetof(SettingsPage, SensitivityX)];
    uint8_t& yByte = profile.Settings[offsetof(SettingsPage, SensitivityY)];
    const int x = std::clamp(SensitivityOf(xByte) + delta, kSensitivityMin, kSensitivityMax);
    const int y = std::clamp(SensitivityOf(yByte) + delta, kSensitivityMin, kSensitivityMax);
    xByte = static_cast<uint8_t>(x * 10);
    yByte = static_cast<uint8_t>(y * 10);
    return {kEventSensitivity, static_cast<uint16_t>(y << 8 | x)};
}

MouseEvent TiltEvent(int direction, bool down)
{
    if (!down) return {kEventTilt, 0};
    return {kEventTilt, direction < 0 ? kTiltLeftValue : kTiltRightValue};
}
