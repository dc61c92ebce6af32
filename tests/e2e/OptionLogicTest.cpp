// Option's own rules that need no window: the firmware version text and the macro list's
// take-over of the macros that buttons carry.
#include <cstring>
#include <memory>
#include <string>

#include <gtest/gtest.h>

#include "MacroSync.h"
#include "VersionText.h"

namespace {

TEST(FirmwareVersionText, PointAfterTheFirstDigitWithinTheLimits)
{
    struct Case {
        int version;
        int highest;
        const char* text;
    } cases[] = {
        {99, kFirmwareHighestAtStart, "N/A"},   {100, kFirmwareHighestAtStart, "1.00"},
        {104, kFirmwareHighestAtStart, "1.04"}, {500, kFirmwareHighestAtStart, "5.00"},
        {501, kFirmwareHighestAtStart, "N/A"},  {-1, kFirmwareHighestAtStart, "N/A"},
        {501, kNoUpperLimit, "5.01"},           {1234, kNoUpperLimit, "1.234"},
        {99, kNoUpperLimit, "N/A"},
    };
    for (const Case& c : cases) EXPECT_EQ(c.text, FirmwareVersionText(c.version, c.highest)) << c.version;
}

class MacroSyncTest : public ::testing::Test {
protected:
    void SetUp() override { std::memset(block.get(), 0, sizeof *block); }

    ButtonRecord& Macro(int profile, int button, const char* name, uint16_t events, uint8_t firstKey, int repeat = 0)
    {
        ButtonRecord& b = block->Profiles[profile].MacroKeyInfo[button];
        b.FunctionCode = 16;
        std::strncpy(b.MacroName, name, sizeof b.MacroName);
        b.EventCount = events;
        b.MacroRepeat = repeat;
        b.Events[0] = firstKey;
        b.Events[1] = 1;
        return b;
    }

    static MacroRecord Entry(const char* name, int events, uint8_t firstKey, int repeat)
    {
        MacroRecord r{};
        std::strncpy(r.Name, name, sizeof r.Name - 1);
        r.EventCount = events;
        r.RepeatCount = repeat;
        r.Events[0] = {firstKey, 1, 0};
        return r;
    }

    std::unique_ptr<SettingsBlock> block = std::make_unique<SettingsBlock>();
    MacroList list;
};

TEST_F(MacroSyncTest, UnknownNamesAreAppendedOnceWithTheirEventsButNoRepeat)
{
    Macro(0, 3, "Reload", 2, 0x15, 7);
    Macro(2, 0, "Dash", 60, 0x04);   // more events than a macro holds
    Macro(4, 15, "Dash", 60, 0x04);  // the same macro on another profile
    SyncMacroListFromButtons(*block, &list);
    ASSERT_EQ(2u, list.size());
    EXPECT_STREQ("Reload", list[0].Name);
    EXPECT_EQ(2, list[0].EventCount);
    EXPECT_EQ(0, list[0].RepeatCount);
    EXPECT_EQ(0x15, list[0].Events[0].Key);
    EXPECT_STREQ("Dash", list[1].Name);
    EXPECT_EQ(40, list[1].EventCount);
}

TEST_F(MacroSyncTest, AKnownNameFoundTrimmedAndInAnyCaseTakesTheButtonsEventsWhenTheyDiffer)
{
    list = {Entry("  reload ", 2, 0x15, 7), Entry("Other", 1, 0x04, 0), Entry("RELOAD", 1, 0x09, 0)};
    Macro(1, 2, "Reload", 3, 0x16, 2);
    SyncMacroListFromButtons(*block, &list);
    ASSERT_EQ(3u, list.size());
    EXPECT_EQ(3, list[0].EventCount);  // the first match only
    EXPECT_EQ(2, list[0].RepeatCount);
    EXPECT_EQ(0x16, list[0].Events[0].Key);
    EXPECT_STREQ("  reload ", list[0].Name);
    EXPECT_EQ(0x09, list[2].Events[0].Key);
}

TEST_F(MacroSyncTest, EqualMacrosOtherFunctionsAndEmptyNamesChangeNothing)
{
    list = {Entry("Same", 2, 0x15, 7)};
    list[0].Events[5] = {0x33, 2, 9};  // past the event count: not compared, so kept
    Macro(0, 0, "Same", 2, 0x15, 7);
    Macro(0, 1, "", 2, 0x15, 7);
    Macro(0, 2, "Key", 1, 0x04).FunctionCode = 5;
    const MacroList before = list;
    SyncMacroListFromButtons(*block, &list);
    ASSERT_EQ(1u, list.size());
    EXPECT_EQ(0, std::memcmp(&before[0], &list[0], sizeof list[0]));
}

}  // namespace
