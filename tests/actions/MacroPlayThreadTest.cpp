#include "MacroPlayThread.h"

#include <gtest/gtest.h>

#include <cmath>
#include <cstring>

#include "ActionsTestSupport.h"
#include "MacroTimeline.h"
#include "SendInputSink.h"

namespace {

constexpr uint8_t kA = 4, kB = 5, kShift = 0xE1;
// Only a sanity bound: on a shared, busy machine a thread may wait for a processor for tens of
// milliseconds. A wrong schedule is off by whole delays; the benchmark reports the real error.
constexpr double kToleranceMs = 150;

MacroEvent Press(uint8_t key, uint16_t delay) { return {key, kMacroPress, delay}; }
MacroEvent Release(uint8_t key, uint16_t delay) { return {key, kMacroRelease, delay}; }

ButtonRecord MacroButton(std::initializer_list<MacroEvent> events, int repeat = 1)
{
    ButtonRecord record;
    std::memset(&record, 0, sizeof record);
    record.FunctionCode = 16;
    record.MacroRepeat = repeat;
    for (const MacroEvent& e : events) {
        uint8_t* bytes = record.Events + 4 * record.EventCount++;
        bytes[0] = e.Key;
        bytes[1] = e.Action;
        bytes[2] = static_cast<uint8_t>(e.Delay);
        bytes[3] = static_cast<uint8_t>(e.Delay >> 8);
    }
    return record;
}

MacroBuffer BufferOf(const ButtonRecord& record)
{
    MacroBuffer buffer;
    LoadMacroBuffer(record, &buffer);
    return buffer;
}

// What a recorded input stands for, in the terms of the macro: key code and direction.
struct Seen {
    int Code;  // virtual key, or 240-244 for mouse buttons
    bool Down;
    double AtMs;
};

int CodeOf(const INPUT& input, bool* down)
{
    if (input.type == INPUT_KEYBOARD) {
        *down = (input.ki.dwFlags & KEYEVENTF_KEYUP) == 0;
        return input.ki.wVk;
    }
    const DWORD f = input.mi.dwFlags;
    *down = (f & (MOUSEEVENTF_LEFTDOWN | MOUSEEVENTF_RIGHTDOWN | MOUSEEVENTF_MIDDLEDOWN | MOUSEEVENTF_XDOWN)) != 0;
    if (f & (MOUSEEVENTF_LEFTDOWN | MOUSEEVENTF_LEFTUP)) return 240;
    if (f & (MOUSEEVENTF_RIGHTDOWN | MOUSEEVENTF_RIGHTUP)) return 241;
    if (f & (MOUSEEVENTF_MIDDLEDOWN | MOUSEEVENTF_MIDDLEUP)) return 242;
    return input.mi.mouseData == XBUTTON2 ? 243 : 244;
}

std::vector<Seen> SeenOf(const std::vector<RecordedInput>& inputs)
{
    std::vector<Seen> seen;
    for (const RecordedInput& r : inputs) {
        bool down = false;
        const int code = CodeOf(r.Input, &down);
        seen.push_back({code, down, r.AtMs});
    }
    return seen;
}

int VirtualKeyOfTestUsage(uint8_t usage)
{
    switch (usage) {
    case kA: return 'A';
    case kB: return 'B';
    case kShift: return VK_SHIFT;
    default: return usage;  // the mouse buttons
    }
}

// The played inputs must be the timeline's, each at its deadline counted from the first.
void ExpectPlayedOnTime(const MacroTimeline& expected, const std::vector<RecordedInput>& played)
{
    const std::vector<Seen> seen = SeenOf(played);
    ASSERT_EQ(expected.Inputs.size(), seen.size());
    for (size_t i = 0; i < seen.size(); ++i) {
        SCOPED_TRACE(testing::Message() << "input " << i << ": " << expected.Inputs[i]);
        EXPECT_EQ(VirtualKeyOfTestUsage(expected.Inputs[i].Input.Key), seen[i].Code);
        EXPECT_EQ(expected.Inputs[i].Input.Down, seen[i].Down);
        EXPECT_NEAR(static_cast<double>(expected.Inputs[i].AtMs), seen[i].AtMs - seen[0].AtMs, kToleranceMs);
    }
}

bool WaitUntilIdle(const MacroPlayThread& player, DWORD timeoutMs)
{
    const ULONGLONG end = GetTickCount64() + timeoutMs;
    while (player.Playing()) {
        if (GetTickCount64() > end) return false;
        Sleep(5);
    }
    return true;
}

class MacroPlayThreadTest : public ::testing::Test {
protected:
    void SetUp() override { ASSERT_TRUE(player.Start()); }

    RecordingSink sink;
    MacroPlayThread player{sink};
};

}  // namespace

TEST_F(MacroPlayThreadTest, PlaysEventsRepeatsAndDelaysOnSchedule)
{
    const ButtonRecord record = MacroButton(
        {Press(kShift, 0), Press(kA, 40), Release(kA, 120), Release(kShift, 15), Press(kMacroMouseBack, 60),
         Release(kMacroMouseBack, 30)},
        2);
    player.Request(record);
    ASSERT_TRUE(WaitUntilIdle(player, 3000));
    ExpectPlayedOnTime(PlayOnPerfectClock(BufferOf(record)), sink.Inputs());
    EXPECT_EQ(5, g_iCurAction.load());

    // The inputs themselves: scan codes from the layout, X button 2 for the backward button.
    const std::vector<RecordedInput> inputs = sink.Inputs();
    ASSERT_GE(inputs.size(), 6u);
    EXPECT_EQ(INPUT_KEYBOARD, inputs[1].Input.type);
    EXPECT_EQ(0x1E, inputs[1].Input.ki.wScan);
    EXPECT_EQ(0u, inputs[1].Input.ki.dwFlags);
    EXPECT_EQ(static_cast<DWORD>(KEYEVENTF_KEYUP), inputs[2].Input.ki.dwFlags);
    EXPECT_EQ(0x2A, inputs[0].Input.ki.wScan);
    EXPECT_EQ(INPUT_MOUSE, inputs[4].Input.type);
    EXPECT_EQ(static_cast<DWORD>(MOUSEEVENTF_XDOWN), inputs[4].Input.mi.dwFlags);
    EXPECT_EQ(static_cast<DWORD>(XBUTTON2), inputs[4].Input.mi.mouseData);
}

TEST_F(MacroPlayThreadTest, LongPressTypesEvery33MillisecondsAfterHalfASecond)
{
    const ButtonRecord record = MacroButton({Press(kA, 1000), Release(kA, 0)});
    player.Request(record);
    ASSERT_TRUE(WaitUntilIdle(player, 3000));
    ExpectPlayedOnTime(PlayOnPerfectClock(BufferOf(record)), sink.Inputs());
}

TEST_F(MacroPlayThreadTest, SecondPressStopsAndReleasesHeldKeysMostRecentFirst)
{
    const ButtonRecord record = MacroButton({Press(kShift, 20), Press(kA, 20), Press(kB, 20), Release(kB, 5000)});
    player.Request(record);
    Sleep(200);  // inside the long release delay
    ASSERT_TRUE(player.Playing());
    // The stop is seen after the delay; until then the macro plays on.
    player.Request(record);
    ASSERT_TRUE(WaitUntilIdle(player, 8000));
    const std::vector<Seen> seen = SeenOf(sink.Inputs());
    // B was released by the macro itself; Shift and A are still held.
    const int expected[][2] = {{VK_SHIFT, 1}, {'A', 1}, {'B', 1}, {'B', 0}, {'A', 0}, {VK_SHIFT, 0}};
    ASSERT_EQ(std::size(expected), seen.size());
    for (size_t i = 0; i < seen.size(); ++i) {
        EXPECT_EQ(expected[i][0], seen[i].Code) << i;
        EXPECT_EQ(expected[i][1] != 0, seen[i].Down) << i;
    }
    EXPECT_NEAR(5000, seen[4].AtMs - seen[3].AtMs, kToleranceMs);
    EXPECT_NEAR(50, seen[5].AtMs - seen[4].AtMs, kToleranceMs);

    // A third press plays it anew.
    player.Request(record);
    EXPECT_TRUE(player.Playing());
    Sleep(100);
    EXPECT_GT(SeenOf(sink.Inputs()).size(), 7u);
    player.Stop();
}

TEST_F(MacroPlayThreadTest, StopDuringALongDelayReleasesAtOnce)
{
    // Releasing a key the macro does not hold waits without typing.
    player.Request(MacroButton({Press(kA, 20), Press(kB, 20), Release(kShift, 30000)}));
    Sleep(100);
    const ULONGLONG before = GetTickCount64();
    player.Stop();
    EXPECT_LT(GetTickCount64() - before, 1000u);
    const std::vector<Seen> seen = SeenOf(sink.Inputs());
    ASSERT_EQ(5u, seen.size());
    EXPECT_EQ('B', seen[3].Code);
    EXPECT_FALSE(seen[3].Down);
    EXPECT_EQ('A', seen[4].Code);
    EXPECT_FALSE(seen[4].Down);
}

TEST_F(MacroPlayThreadTest, ButtonsWithoutAMacroAreIgnored)
{
    ButtonRecord key = MacroButton({Press(kA, 1)});
    key.FunctionCode = 5;
    player.Request(key);
    player.Request(MacroButton({}));
    EXPECT_FALSE(player.Playing());
    Sleep(50);
    EXPECT_TRUE(sink.Inputs().empty());
}

namespace {

std::vector<DWORD>* g_hookedKeys = nullptr;

LRESULT CALLBACK RecordKey(int code, WPARAM wParam, LPARAM lParam)
{
    if (code == HC_ACTION && g_hookedKeys) {
        const auto* key = reinterpret_cast<const KBDLLHOOKSTRUCT*>(lParam);
        if (key->flags & LLKHF_INJECTED)
            g_hookedKeys->push_back(key->vkCode | (wParam == WM_KEYUP || wParam == WM_SYSKEYUP ? 0x10000 : 0));
    }
    return CallNextHookEx(nullptr, code, wParam, lParam);
}

}  // namespace

TEST(MacroPlayThreadInput, ReachesTheSystemInputStream)
{
    std::vector<DWORD> keys;
    g_hookedKeys = &keys;
    HHOOK hook = SetWindowsHookExA(WH_KEYBOARD_LL, &RecordKey, GetModuleHandleA(nullptr), 0);
    if (!hook) GTEST_SKIP() << "no low-level keyboard hook here";
    SendInputSink sink;
    MacroPlayThread player(sink);
    ASSERT_TRUE(player.Start());
    PumpMessagesFor(50);
    // F11 and F12: keys no program of the test desktop acts on. The lead-in (a mouse event that
    // only waits) lets this thread reach its message loop, which the hook runs from.
    player.Request(MacroButton({{kMacroMouseLeft, 3, 100}, Press(68, 10), Release(68, 10), Press(69, 10), Release(69, 10)}));
    PumpMessagesFor(500);
    UnhookWindowsHookEx(hook);
    g_hookedKeys = nullptr;
    EXPECT_EQ((std::vector<DWORD>{VK_F11, VK_F11 | 0x10000, VK_F12, VK_F12 | 0x10000}), keys);
}
