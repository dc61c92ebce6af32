#include "MacroSchedule.h"

#include <gtest/gtest.h>

#include <cstring>

#include "MacroTimeline.h"

namespace {

constexpr uint8_t kA = 4, kB = 5, kC = 6, kShift = 0xE1;

MacroEvent Press(uint8_t key, uint16_t delay) { return {key, kMacroPress, delay}; }
MacroEvent Release(uint8_t key, uint16_t delay) { return {key, kMacroRelease, delay}; }
TimedMacroInput Down(int64_t at, uint8_t key) { return {at, {key, true}}; }
TimedMacroInput Up(int64_t at, uint8_t key) { return {at, {key, false}}; }

}  // namespace

TEST(MacroSchedule, ZeroDelaysBecomeOneMillisecondAndRepeatPlaysTheMacroAgain)
{
    const MacroTimeline t = PlayOnPerfectClock(MakeMacroBuffer({Press(kA, 0), Release(kA, 0)}, 3));
    EXPECT_EQ((std::vector<TimedMacroInput>{Down(0, kA), Up(1, kA), Down(2, kA), Up(3, kA), Down(4, kA), Up(5, kA)}),
              t.Inputs);
    EXPECT_EQ(6, t.EndMs);
    EXPECT_FALSE(t.Stopped);
    EXPECT_EQ(1, t.LastAction);
}

TEST(MacroSchedule, DelaysAddUpAsAbsoluteDeadlines)
{
    const MacroTimeline t =
        PlayOnPerfectClock(MakeMacroBuffer({Press(kShift, 7), Press(kA, 500), Release(kA, 250), Release(kShift, 65535)}));
    EXPECT_EQ((std::vector<TimedMacroInput>{Down(0, kShift), Down(7, kA), Up(507, kA), Up(757, kShift)}), t.Inputs);
    EXPECT_EQ(757 + 65535, t.EndMs);
}

TEST(MacroSchedule, LongPressTypesLikeAHeldKey)
{
    const MacroTimeline t = PlayOnPerfectClock(MakeMacroBuffer({Press(kA, 1000), Release(kA, 0)}));
    std::vector<TimedMacroInput> expected{Down(0, kA)};
    // Remaining time 500, 467, ... 5: sixteen up-and-down pairs, 33 ms apart from 500 ms on.
    for (int k = 0; k < 16; ++k) {
        expected.push_back(Up(500 + 33 * k, kA));
        expected.push_back(Down(500 + 33 * k, kA));
    }
    expected.push_back(Up(500 + 33 * 16, kA));
    EXPECT_EQ(expected, t.Inputs);
    EXPECT_EQ(500 + 33 * 16 + 1, t.EndMs);
}

TEST(MacroSchedule, StopReleasesHeldKeysMostRecentFirstFiftyMillisecondsApart)
{
    const MacroBuffer buffer =
        MakeMacroBuffer({Press(kShift, 100), Press(kA, 100), Press(kB, 100), Release(kA, 100), Press(kC, 100)});
    const MacroTimeline t = PlayOnPerfectClock(buffer, 250);
    EXPECT_EQ((std::vector<TimedMacroInput>{Down(0, kShift), Down(100, kA), Down(200, kB), Up(300, kB), Up(350, kA),
                                            Up(400, kShift)}),
              t.Inputs);
    EXPECT_EQ(450, t.EndMs);
    EXPECT_TRUE(t.Stopped);
    EXPECT_EQ(3, t.LastAction);
}

TEST(MacroSchedule, StopDuringALongPressEndsItWithinOneRepeat)
{
    const MacroTimeline t = PlayOnPerfectClock(MakeMacroBuffer({Press(kA, 2000), Release(kA, 0)}), 600);
    EXPECT_EQ((std::vector<TimedMacroInput>{Down(0, kA), Up(500, kA), Down(500, kA), Up(533, kA), Down(533, kA),
                                            Up(566, kA), Down(566, kA), Up(599, kA), Down(599, kA), Up(632, kA),
                                            Down(632, kA), Up(632, kA)}),
              t.Inputs);
    EXPECT_EQ(682, t.EndMs);
}

TEST(MacroSchedule, StopDuringTheLastDelayStillReleases)
{
    const MacroTimeline t = PlayOnPerfectClock(MakeMacroBuffer({Press(kA, 10), Press(kB, 300)}, 1), 20);
    EXPECT_EQ((std::vector<TimedMacroInput>{Down(0, kA), Down(10, kB), Up(310, kB), Up(360, kA)}), t.Inputs);
    EXPECT_TRUE(t.Stopped);
}

TEST(MacroSchedule, NormalEndLeavesUnreleasedKeysDown)
{
    const MacroTimeline t = PlayOnPerfectClock(MakeMacroBuffer({Press(kA, 5)}, 2));
    EXPECT_EQ((std::vector<TimedMacroInput>{Down(0, kA), Down(5, kA)}), t.Inputs);
    EXPECT_FALSE(t.Stopped);
}

TEST(MacroSchedule, ReleaseForgetsTheMostRecentPressOfItsKey)
{
    const MacroBuffer buffer = MakeMacroBuffer({Press(kA, 10), Press(kB, 10), Press(kA, 10), Release(kA, 10), Press(kC, 10)});
    const MacroTimeline t = PlayOnPerfectClock(buffer, 40);
    // Held A, B after the release; stopped before C.
    EXPECT_EQ((std::vector<TimedMacroInput>{Down(0, kA), Down(10, kB), Down(20, kA), Up(30, kA), Up(40, kB), Up(90, kA)}),
              t.Inputs);
}

TEST(MacroSchedule, MouseButtonsAndUnknownActions)
{
    const MacroBuffer buffer = MakeMacroBuffer({
        Press(kMacroMouseBack, 5), Release(kMacroMouseBack, 5),
        {kMacroMouseLeft, 3, 7},  // a mouse event with another action only waits
        {kA, 0, 9},               // a key with another action goes down without a wait
        Press(kMacroMouseForward, 2),
    });
    const MacroTimeline t = PlayOnPerfectClock(buffer);
    EXPECT_EQ((std::vector<TimedMacroInput>{Down(0, kMacroMouseBack), Up(5, kMacroMouseBack), Down(17, kA),
                                            Down(17, kMacroMouseForward)}),
              t.Inputs);
    EXPECT_EQ(19, t.EndMs);
}

TEST(MacroSchedule, LoadMacroBufferTakesOnlyMacroButtons)
{
    ButtonRecord record;
    std::memset(&record, 0, sizeof record);
    record.FunctionCode = 16;
    record.EventCount = 2;
    const uint8_t events[] = {4, 1, 0x34, 0x12, 240, 2, 0xFF, 0xFF};
    std::memcpy(record.Events, events, sizeof events);

    struct Case {
        uint8_t Function;
        uint16_t Count;
        int32_t Repeat;
        bool Loaded;
        int ExpectedCount;
        int ExpectedRepeat;
    };
    const Case cases[] = {
        {16, 2, 3, true, 2, 3}, {16, 2, 0, true, 2, 1}, {16, 2, -5, true, 2, 1},
        {16, 99, 1, true, 40, 1}, {16, 0, 1, false, 0, 0}, {5, 2, 1, false, 0, 0},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(testing::Message() << "function " << int(c.Function) << " count " << c.Count << " repeat " << c.Repeat);
        record.FunctionCode = c.Function;
        record.EventCount = c.Count;
        record.MacroRepeat = c.Repeat;
        MacroBuffer buffer;
        buffer.Count = 0;
        ASSERT_EQ(c.Loaded, LoadMacroBuffer(record, &buffer));
        if (!c.Loaded) {
            EXPECT_EQ(0, buffer.Count);
            continue;
        }
        EXPECT_EQ(c.ExpectedCount, buffer.Count);
        EXPECT_EQ(c.ExpectedRepeat, buffer.Repeat);
        EXPECT_EQ(0x1234, buffer.Events[0].Delay);
        EXPECT_EQ(240, buffer.Events[1].Key);
        EXPECT_EQ(kMacroRelease, buffer.Events[1].Action);
        EXPECT_EQ(0xFFFF, buffer.Events[1].Delay);
    }
}
