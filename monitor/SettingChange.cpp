#include "SettingChange.h"

#include "ActiveProfile.h"
#include "ButtonTable.h"
#include "DebugLog.h"
#include "DeviceEvent.h"

namespace {

constexpr int kDpiLevels = 5;
constexpr int kMaxSensitivity = 20;

bool InRange(int v, int low, int high) { return v >= low && v <= high; }

// Report interval in ms -> PollingRate choice; -1 for intervals no choice stands for.
int32_t PollingRateOfInterval(uint16_t interval)
{
    switch (interval) {
    case 8: return 0;
    case 4: return 1;
    case 2: return 2;
    case 1: return 3;
    default: return -1;
    }
}

void NotifyStored(SettingChange& change)
{
    change.Accepted = true;
    change.CopyToMapping = true;
    change.PostRefresh = true;
}

}  // namespace

SettingChange ApplySettingEvent(SettingsBlock& block, uint16_t kind, uint16_t value, bool macroNoticeOn)
{
    SettingChange change;
    const uint16_t family = kind & 0xFF00;
    const uint8_t lo = static_cast<uint8_t>(value);
    const uint8_t hi = static_cast<uint8_t>(value >> 8);

    if (family == kEventProfileFirst) {
        if (!InRange(value, 1, kProfileCount)) return change;
        block.CurrentProfile = value - 1;
        NotifyStored(change);
        change.SaveCurrentProfile = true;
        change.PostProfileReload = true;
        change.ProfileNotice = true;
        change.NoticeLParam = static_cast<uint32_t>(block.CurrentProfile) << 16;
        return change;
    }
    ProfileRecord& profile = block.Profiles[ActiveProfileIndex(block)];
    if (kind == kEventButton) {
        if (!InRange(value, 1, kButtonCount)) return change;
        change.Accepted = true;
        const int button = value - 1;
        change.MacroNotice = macroNoticeOn && profile.MacroKeyInfo[button].FunctionCode == kFunctionMacro;
        if (change.MacroNotice) change.MacroButton = button;
        return change;
    }
    if (family == kEventDpiFirst) {
        if (!InRange(value, 1, 8)) return change;
        // A profile has five levels; higher ones are announced but not stored.
        if (value <= kDpiLevels)
            profile.CpiStep = value - 1;
        else
            DebugLog("SettingChange: DPI level %d has no level of its own, not stored\n", value);
        NotifyStored(change);
        change.DpiNotice = true;
        change.DpiLevel = value;
        return change;
    }
    if (kind == kEventSensitivity) {
        if (InRange(lo, 1, kMaxSensitivity)) {
            profile.Sensitivity_X = lo;
            NotifyStored(change);
        }
        if (InRange(hi, 1, kMaxSensitivity)) {
            profile.Sensitivity_Y = hi;
            NotifyStored(change);
        }
        return change;
    }
    if (kind == kEventReportInterval) {
        if (!InRange(value, 1, 8)) return change;
        const int32_t rate = PollingRateOfInterval(value);
        if (rate >= 0)
            profile.PollingRate = rate;
        else
            DebugLog("SettingChange: report interval %d has no rate choice, not stored\n", value);
        NotifyStored(change);
    }
    return change;
}
