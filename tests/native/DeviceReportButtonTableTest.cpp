#include "ButtonTable.h"

#include <gtest/gtest.h>

#include "DeviceReport.h"
#include "DeviceReportTestSupport.h"

namespace {

Bytes CodeBytes(const ButtonCode& c) { return {c.Group, c.Arg1, c.Arg2, c.Arg3}; }

ButtonRecord Button(uint8_t function)
{
    ButtonRecord b{};
    b.FunctionCode = function;
    return b;
}

}  // namespace

TEST(DeviceReportButtonTable, FactoryProfileTable)
{
    const auto block = DefaultBlock();
    const ProfileButtonPages pages = EncodeProfileButtons(block->Profiles[0], 0);
    const Bytes expected = Bytes{0x01, 0x00, 0xF0, 0x00, 0x01, 0x00, 0xF1, 0x00, 0x01, 0x00, 0xF2, 0x00,  // left right middle
                                 0x01, 0x00, 0xF4, 0x00, 0x01, 0x00, 0xF3, 0x00,  // forward backward
                                 0x07, 0x00, 0x03, 0x00, 0x0B, 0x08, 0x00, 0x00} +  // DPI cycle, code 86
                           Zeros(7 * 4) +                                           // unassigned
                           Bytes{0x04, 0x00, 0x01, 0x00, 0x04, 0x00, 0x02, 0x00} +  // wheel up, down
                           Zeros(64);
    EXPECT_EQ(expected, BytesOf(ToDataPage(pages.Table)));
    EXPECT_TRUE(pages.Slots.empty());
}

TEST(DeviceReportButtonTable, ButtonCodeByFunction)
{
    struct Case {
        const char* name;
        ButtonRecord record;
        Bytes expected;
    };
    ButtonRecord key = Button(5);
    key.Events[0] = 0x06;  // usage
    key.Events[1] = 0x08;  // Alt
    ButtonRecord plainKey = Button(5);
    plainKey.Events[0] = 0x04;
    plainKey.Events[1] = 0x01;  // no modifiers
    ButtonRecord macro = Button(16);
    macro.MacroPlayOption = 0x102;
    ButtonRecord repeat = Button(22);  // uses OTGSpeed 0x10A below

    // Profile 2, button 3: macro slot 2 x 16 + 3 + 1 = 36 = 0x24.
    const Case cases[] = {
        {"key with Alt", key, {0x00, 0x04, 0x06, 0x00}},
        {"key without modifiers", plainKey, {0x00, 0x00, 0x04, 0x00}},
        {"macro", macro, {0x09, 0x02, 0x24, 0x00}},
        {"launch", Button(17), {0x06, 0x00, 0x0A, 0x04}},
        {"repeated click", repeat, {0x0A, 0x01, 0x0A, 0x0A}},
        {"double click", Button(4), {0x0A, 0xF0, 0x32, 0x02}},
        {"Windows key", Button(23), {0x00, 0x08, 0x00, 0x00}},
        {"configuration", Button(24), {0x06, 0x00, 0xA0, 0x00}},
        {"media player", Button(25), {0x03, 0x00, 0x83, 0x01}},
        {"volume down", Button(32), {0x03, 0x00, 0xEA, 0x00}},
        {"search", Button(42), {0x03, 0x00, 0x21, 0x02}},
        {"shortcut Ctrl+C", Button(51), {0x09, 0x00, 0x24, 0x04}},
        {"shortcut Ctrl+Shift+S", Button(59), {0x09, 0x00, 0x24, 0x06}},
        {"shortcut Win+L", Button(85), {0x09, 0x00, 0x24, 0x04}},
        {"code 80", Button(80), {0x0A, 0xF0, 0x32, 0x03}},
        {"code 83", Button(83), {0x05, 0x00, 0x03, 0x00}},
        {"unassigned", Button(0), {0, 0, 0, 0}},
        {"no row 43", Button(43), {0, 0, 0, 0}},
        {"no row 44", Button(44), {0, 0, 0, 0}},
        {"no row 62", Button(62), {0, 0, 0, 0}},
        {"no row 255", Button(255), {0, 0, 0, 0}},
    };
    for (const Case& c : cases) EXPECT_EQ(c.expected, CodeBytes(EncodeButtonCode(c.record, 2, 3, 0x10A))) << c.name;
}

TEST(DeviceReportButtonTable, LastButtonOfLastProfileUsesSlot80)
{
    EXPECT_EQ((Bytes{0x09, 0x00, 0x50, 0x00}), CodeBytes(EncodeButtonCode(Button(16), 4, 15, 0)));
}

TEST(DeviceReportButtonTable, MacroFamilyButtonsGetSlotsInButtonOrder)
{
    auto block = DefaultBlock();
    ProfileRecord& p = block->Profiles[1];
    p.MacroKeyInfo[9] = Button(51);
    p.MacroKeyInfo[2] = Button(16);
    p.MacroKeyInfo[2].MacroRepeat = 2;
    p.MacroKeyInfo[2].EventCount = 1;
    p.MacroKeyInfo[2].Events[0] = 0x04;
    p.MacroKeyInfo[2].Events[1] = 1;

    const ProfileButtonPages pages = EncodeProfileButtons(p, 1);
    ASSERT_EQ(2u, pages.Slots.size());
    EXPECT_EQ(19, pages.Slots[0].Number);
    EXPECT_EQ((Bytes{0x00, 0x02, 0x01, 0x04} + Zeros(124)), BytesOf(ToDataPage(pages.Slots[0].Slot)));
    EXPECT_EQ(26, pages.Slots[1].Number);
    EXPECT_EQ((Bytes{0x00, 0x01, 0x01, 0xE0, 0x01, 0x06, 0x81, 0x06, 0x81, 0xE0} + Zeros(118)),
              BytesOf(ToDataPage(pages.Slots[1].Slot)));
    const Bytes table = BytesOf(ToDataPage(pages.Table));
    EXPECT_EQ((Bytes{0x09, 0x00, 19, 0x00}), Bytes(table.begin() + 8, table.begin() + 12));
    EXPECT_EQ((Bytes{0x09, 0x00, 26, 0x04}), Bytes(table.begin() + 36, table.begin() + 40));
}
