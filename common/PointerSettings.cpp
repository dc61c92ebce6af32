#include "PointerSettings.h"

#include <cerrno>
#include <climits>
#include <cstdio>
#include <cstdlib>
#include <optional>

#include "DebugLog.h"
#include "Registry.h"

#ifdef _WIN32
#include "win32/Win32Registry.h"
#else
#include "MemoryRegistry.h"
#endif

// Level 0 is no acceleration; 1-10 lower the first threshold, 11-19 add a second one.
const AccelerationRow AccelerationTable[20] = {
    {0, 0, 0},
    {1, 13, 0}, {1, 12, 0}, {1, 11, 0}, {1, 10, 0}, {1, 9, 0},
    {1, 8, 0}, {1, 7, 0}, {1, 6, 0}, {1, 5, 0}, {1, 4, 0},
    {2, 4, 13}, {2, 4, 12}, {2, 4, 11}, {2, 4, 10}, {2, 4, 9},
    {2, 4, 8}, {2, 4, 7}, {2, 4, 6}, {2, 4, 5},
};

namespace {

constexpr const char* kMouseKey = "Control Panel\\Mouse";
constexpr const char* kDesktopKey = "Control Panel\\Desktop";
constexpr int kLastLevel = 19;

void WriteNumber(Registry::Key& key, const char* name, int32_t value)
{
    char text[16];
    std::snprintf(text, sizeof text, "%d", static_cast<int>(value));
    if (!key.WriteText(name, text)) DebugLog("PointerSettings: cannot write %s\n", name);
}

// The value as a decimal number; nothing when it is missing, not text, too long for the
// 80-byte buffer, or not a number, so that the caller keeps its field as it was.
std::optional<int32_t> ReadNumber(Registry::Key& key, const char* name)
{
    char text[80];
    if (!key.ReadText(name, text, sizeof text)) {
        DebugLog("PointerSettings: %s missing or unreadable\n", name);
        return std::nullopt;
    }
    errno = 0;
    char* end = nullptr;
    long long value = std::strtoll(text, &end, 10);
    while (*end == ' ' || *end == '\t') ++end;
    if (end == text || *end != '\0' || errno == ERANGE || value < INT32_MIN || value > INT32_MAX) {
        DebugLog("PointerSettings: %s is not a number: \"%s\"\n", name, text);
        return std::nullopt;
    }
    return static_cast<int32_t>(value);
}

void ReadInto(Registry::Key& key, const char* name, int32_t& field)
{
    if (std::optional<int32_t> value = ReadNumber(key, name)) field = *value;
}

// The last level whose row the registry triple fits; nothing when none does.
std::optional<int32_t> MatchAcceleration(int32_t speed, int32_t threshold1, int32_t threshold2)
{
    std::optional<int32_t> level;
    for (int32_t k = 0; k <= kLastLevel; ++k) {
        const AccelerationRow& row = AccelerationTable[k];
        if (row.MouseSpeed == speed && threshold1 <= row.MouseThreshold1 && threshold2 <= row.MouseThreshold2)
            level = k;
    }
    return level;
}

}  // namespace

int WritePointerSettings(const ProfileRecord* record, Registry& registry)
{
    std::unique_ptr<Registry::Key> mouse = registry.OpenOrCreate(kMouseKey);
    if (!mouse) {
        DebugLog("PointerSettings: cannot open %s\n", kMouseKey);
        return -1;
    }
    WriteNumber(*mouse, "DoubleClickSpeed", record->DbleClickSpeed);
    WriteNumber(*mouse, "SwapMouseButtons", record->Orientation);
    WriteNumber(*mouse, "MouseSensitivity", record->MouseSpeed);
    int32_t level = 0;
    if (record->AccelerationFlag != 0 && record->Acceleration >= 0)
        level = record->Acceleration < kLastLevel ? record->Acceleration : kLastLevel;
    const AccelerationRow& row = AccelerationTable[level];
    WriteNumber(*mouse, "MouseSpeed", row.MouseSpeed);
    WriteNumber(*mouse, "MouseThreshold1", row.MouseThreshold1);
    WriteNumber(*mouse, "MouseThreshold2", row.MouseThreshold2);
    mouse.reset();

    std::unique_ptr<Registry::Key> desktop = registry.OpenOrCreate(kDesktopKey);
    if (!desktop) {
        DebugLog("PointerSettings: cannot open %s\n", kDesktopKey);
        return -1;
    }
    WriteNumber(*desktop, "WheelScrollLines", record->ScrollWheelFlag == 1 ? -1 : record->ScrollWheelSpeed);
    return 1;
}

int ReadPointerSettings(ProfileRecord* record, Registry& registry)
{
    std::unique_ptr<Registry::Key> mouse = registry.OpenOrCreate(kMouseKey);
    if (!mouse) {
        DebugLog("PointerSettings: cannot open %s\n", kMouseKey);
        return 0;
    }
    ReadInto(*mouse, "DoubleClickSpeed", record->DbleClickSpeed);
    ReadInto(*mouse, "SwapMouseButtons", record->Orientation);
    ReadInto(*mouse, "MouseSensitivity", record->MouseSpeed);
    std::optional<int32_t> speed = ReadNumber(*mouse, "MouseSpeed");
    std::optional<int32_t> threshold1 = ReadNumber(*mouse, "MouseThreshold1");
    std::optional<int32_t> threshold2 = ReadNumber(*mouse, "MouseThreshold2");
    // Without all three numbers the acceleration is unknown: both of its fields stay.
    if (speed && threshold1 && threshold2) {
        if (std::optional<int32_t> level = MatchAcceleration(*speed, *threshold1, *threshold2))
            record->Acceleration = *level;
        record->AccelerationFlag = record->Acceleration != 0 ? 1 : 0;
    }
    mouse.reset();

    std::unique_ptr<Registry::Key> desktop = registry.OpenOrCreate(kDesktopKey);
    if (!desktop) {
        DebugLog("PointerSettings: cannot open %s\n", kDesktopKey);
        return -1;
    }
    if (std::optional<int32_t> lines = ReadNumber(*desktop, "WheelScrollLines")) {
        record->ScrollWheelFlag = *lines == -1 ? 1 : 0;
        record->ScrollWheelSpeed = *lines == -1 ? 0 : *lines;
    }
    return 1;
}

Registry& UserRegistry()
{
#ifdef _WIN32
    static Win32Registry registry;
#else
    static MemoryRegistry registry;
#endif
    return registry;
}
