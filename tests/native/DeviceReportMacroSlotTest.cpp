#include "MacroSlot.h"

#include <climits>
#include <initializer_list>

#include <gtest/gtest.h>

#include "DeviceReport.h"
#include "DeviceReportTestSupport.h"
#include "MacroRecord.h"

namespace {

// Event i as the record stores it: key, action, delay low byte first.
void PutEvent(ButtonRecord& b, int i, const MacroEvent& e)
{
    b.Events[4 * i] = e.Key;
    b.Events[4 * i + 1] = e.Action;
    b.Events[4 * i + 2] = static_cast<uint8_t>(e.Delay);
    b.Events[4 * i + 3] = static_cast<uint8_t>(e.Delay >> 8);
}

ButtonRecord MacroButton(int32_t repeat, std::initializer_list<MacroEvent> events)
{
    ButtonRecord b{};
    b.FunctionCode = 16;
    b.MacroRepeat = repeat;
    b.EventCount = static_cast<uint16_t>(events.size());
    int i = 0;
    for (const MacroEvent& e : events) PutEvent(b, i++, e);
    return b;
}

// All forty events the same, with the given (possibly impossible) event count.
ButtonRecord RepeatedEvent(const MacroEvent& event, uint16_t count)
{
    ButtonRecord b = MacroButton(1, {});
    for (int i = 0; i < kMacroMaxEvents; ++i) PutEvent(b, i, event);
    b.EventCount = count;
    return b;
}

Bytes SlotBytes(const MacroSlot& slot) { return BytesOf(ToDataPage(slot)); }
Bytes Padded(const Bytes& head) { return head + Zeros(128 - head.size()); }

}  // namespace

TEST(DeviceReportMacroSlot, EventsByDelay)
{
    struct Case {
        const char* name;
        MacroEvent event;
        Bytes pairs;
    };
    const Case cases[] = {
        {"press at once", {0x04, kMacroPress, 0}, {0x01, 0x04}},
        {"press 25 ms", {0x04, kMacroPress, 25}, {0x03, 0x04}},
        {"release 25 ms", {0x04, kMacroRelease, 25}, {0x83, 0x04}},
        {"press 1 s", {0x04, kMacroPress, 1000}, {0x65, 0x04}},
        {"release 1279 ms", {0x04, kMacroRelease, 1279}, {0xFF, 0x04}},
        {"press 1280 ms", {0x04, kMacroPress, 1280}, {0x01, 0x04, 0x19, 0x02}},
        {"release 2 s", {0xF0, kMacroRelease, 2000}, {0x81, 0xF0, 0x28, 0x02}},
        {"press 12750 ms", {0x04, kMacroPress, 12750}, {0x01, 0x04, 0xFF, 0x02}},
        {"longest delay clamped", {0x04, kMacroPress, 65535}, {0x01, 0x04, 0xFF, 0x02}},
        {"odd action is a release", {0x04, 7, 0}, {0x81, 0x04}},
    };
    for (const Case& c : cases)
        EXPECT_EQ(Padded(Bytes{0x00, 0x01} + c.pairs), SlotBytes(EncodeMacroSlot(MacroButton(1, {c.event})))) << c.name;
}

TEST(DeviceReportMacroSlot, RepeatCountIsBigEndianAndClamped)
{
    const std::pair<int32_t, Bytes> cases[] = {
        {300, {0x01, 0x2C}}, {1, {0x00, 0x01}}, {65535, {0xFF, 0xFF}},
        {70000, {0xFF, 0xFF}}, {-5, {0x00, 0x00}}, {INT_MIN, {0x00, 0x00}},
    };
    for (const auto& [repeat, head] : cases) EXPECT_EQ(Padded(head), SlotBytes(EncodeMacroSlot(MacroButton(repeat, {})))) << repeat;
}

TEST(DeviceReportMacroSlot, SeveralEventsFollowEachOther)
{
    const ButtonRecord b = MacroButton(300, {{0x04, kMacroPress, 0}, {0x05, kMacroPress, 25},
                                             {0x05, kMacroRelease, 25}, {0x06, kMacroPress, 1280}});
    EXPECT_EQ(Padded(Bytes{0x01, 0x2C, 0x01, 0x04, 0x03, 0x05, 0x83, 0x05, 0x01, 0x06, 0x19, 0x02}),
              SlotBytes(EncodeMacroSlot(b)));
}

TEST(DeviceReportMacroSlot, EventCountAboveFortyReadsOnlyTheForty)
{
    const MacroSlot slot = EncodeMacroSlot(RepeatedEvent({0x07, kMacroPress, 0}, 65535));
    Bytes expected = {0x00, 0x01};
    for (int i = 0; i < kMacroMaxEvents; ++i) expected = expected + Bytes{0x01, 0x07};
    EXPECT_EQ(Padded(expected), SlotBytes(slot));
}

TEST(DeviceReportMacroSlot, FullSlotKeepsOnlyWholeEvents)
{
    // 31 long-delay events take 62 pairs; the 32nd needs two and only one is left.
    const Bytes slot = SlotBytes(EncodeMacroSlot(RepeatedEvent({0x08, kMacroRelease, 5000}, 40)));
    Bytes expected = {0x00, 0x01};
    for (int i = 0; i < 31; ++i) expected = expected + Bytes{0x81, 0x08, 0x64, 0x02};
    EXPECT_EQ(Padded(expected), slot);

    ButtonRecord mixed = RepeatedEvent({0x08, kMacroRelease, 5000}, 32);
    PutEvent(mixed, 31, {0x08, kMacroRelease, 0});  // the 32nd event fits in one pair
    EXPECT_EQ((expected + Bytes{0x81, 0x08}), SlotBytes(EncodeMacroSlot(mixed)));
}

TEST(DeviceReportMacroSlot, ShortcutSequences)
{
    const std::pair<uint8_t, Bytes> cases[] = {
        {51, {0x00, 0x01, 0x01, 0xE0, 0x01, 0x06, 0x81, 0x06, 0x81, 0xE0}},
        {59, {0x00, 0x01, 0x01, 0xE0, 0x01, 0xE1, 0x01, 0x16, 0x81, 0x16, 0x81, 0xE1, 0x81, 0xE0}},
        {67, {0x00, 0x01, 0x01, 0xE2, 0x01, 0x2C, 0x01, 0x1B, 0x81, 0x1B, 0x81, 0x2C, 0x81, 0xE2}},
        {85, {0x00, 0x01, 0x01, 0xE3, 0x01, 0x0F, 0x81, 0x0F, 0x81, 0xE3}},
        {16, {}},
        {62, {}},
    };
    for (const auto& [code, head] : cases) EXPECT_EQ(Padded(head), SlotBytes(EncodeShortcutSlot(code))) << int(code);
}

TEST(DeviceReportMacroSlot, SlotNumbers)
{
    EXPECT_EQ(1, MacroSlotNumber(0, 0));
    EXPECT_EQ(20, MacroSlotNumber(1, 3));
    EXPECT_EQ(80, MacroSlotNumber(4, 15));
}
