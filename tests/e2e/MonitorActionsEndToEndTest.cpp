// What Monitor does on the PC when the virtual mouse reports a button: macros typed with their
// delays and repeats, keyboard-key buttons held and repeated, notices written and posted.
#include <windows.h>

#include <cstring>

#include "CIniFile.h"
#include "ConfigFiles.h"
#include "KeySpy.h"
#include "ProcessLink.h"
#include "SuiteFixture.h"

namespace {

const std::string kSelectProfile1 = "F 02010000000000FC";

// The hook may see Alt as the generic key or as the left one.
bool IsAlt(DWORD vk) { return vk == VK_MENU || vk == VK_LMENU; }

class MonitorActionsEndToEnd : public SuiteFixture {
protected:
    // Profile 0 with a macro on button 3 and Alt+C on button 4, as Option would save them.
    void WriteProfile()
    {
        ProfileRecord profile{};
        SetProfileDefaults(&profile, 0);
        ButtonRecord& macro = profile.MacroKeyInfo[2];
        macro.FunctionCode = 16;
        std::strcpy(macro.MacroName, "ab twice");
        macro.MacroRepeat = 2;
        macro.EventCount = 4;
        const uint8_t events[16] = {0x04, 1, 100, 0,  0x04, 2, 200, 0,  0x05, 1, 50, 0,  0x05, 2, 30, 0};
        std::memcpy(macro.Events, events, sizeof events);
        ButtonRecord& key = profile.MacroKeyInfo[3];
        key.FunctionCode = 5;
        key.EventCount = 1;
        key.Events[0] = 0x06;  // C
        key.Events[1] = 0x08;  // Alt
        SaveProfileFile(&profile, ProfileFilePath(Folder(), 0));
    }

    void StartAll()
    {
        WriteProfile();
        StartVirtualMouse();
        StartMonitor();
        ASSERT_GT(WaitForFrame(kSelectProfile1), 0);
    }
};

TEST_F(MonitorActionsEndToEnd, AMacroButtonTypesItsMacroWithItsDelaysAndRepeat)
{
    KeySpy spy;
    ASSERT_TRUE(spy.Installed());
    StartAll();
    const double pressed = spy.Now();
    ASSERT_TRUE(SendMouseEvent(0x4000, 0x0003));
    ASSERT_TRUE(PumpUntil([&] { return spy.Keys().size() >= 8; }, 10000)) << "got " << spy.Sequence();
    EXPECT_EQ("+41 -41 +42 -42 +41 -41 +42 -42", spy.Sequence());
    const std::vector<SpiedKey>& keys = spy.Keys();
    const double delays[] = {100, 200, 50, 30, 100, 200, 50};
    for (size_t i = 0; i + 1 < keys.size() && i < 7; ++i) {
        const double gap = keys[i + 1].Ms - keys[i].Ms;
        EXPECT_GE(gap, delays[i] - 2) << "after key " << i;
        EXPECT_LE(gap, delays[i] + 150) << "after key " << i;
    }
    std::printf("[ figures  ] mouse button to the first macro key: %.2f ms\n", keys.front().Ms - pressed);
}

TEST_F(MonitorActionsEndToEnd, AHeldKeyButtonTypesOnceThenRepeatsAndReleasesAltLast)
{
    KeySpy spy;
    ASSERT_TRUE(spy.Installed());
    StartAll();
    ASSERT_TRUE(SendMouseEvent(0x4000, 0x0004));
    PumpUntil([] { return false; }, 1450);
    ASSERT_TRUE(SendMouseEvent(0x4000, 0x0104));
    ASSERT_TRUE(PumpUntil([&] { return !spy.Keys().empty() && IsAlt(spy.Keys().back().VirtualKey) && !spy.Keys().back().Down; },
                          5000))
        << "got " << spy.Sequence();

    // Alt down, C down, then (after a second) C retyped every 100 ms, then C up and Alt up.
    const std::vector<SpiedKey>& keys = spy.Keys();
    ASSERT_GE(keys.size(), 6u) << spy.Sequence();
    EXPECT_TRUE(IsAlt(keys.front().VirtualKey) && keys.front().Down) << spy.Sequence();
    EXPECT_TRUE(keys[1].VirtualKey == 0x43 && keys[1].Down) << spy.Sequence();
    EXPECT_TRUE(keys[keys.size() - 2].VirtualKey == 0x43 && !keys[keys.size() - 2].Down) << spy.Sequence();
    int retypes = 0;
    for (size_t i = 2; i + 2 < keys.size(); i += 2) {
        EXPECT_EQ(0x43u, keys[i].VirtualKey);
        EXPECT_FALSE(keys[i].Down);
        EXPECT_TRUE(keys[i + 1].Down);
        ++retypes;
    }
    EXPECT_GE(retypes, 2) << spy.Sequence();
    EXPECT_LE(retypes, 7) << spy.Sequence();
    if (keys.size() > 4) {
        EXPECT_GE(keys[2].Ms - keys[1].Ms, 950.0) << "the first repeat came too early";
    }
}

TEST_F(MonitorActionsEndToEnd, ADpiEventWritesItsTextAndAnUnpluggedCopyDataIsNotPosted)
{
    StandInWindow notices(kNoticeTitle, {kMsgNotice});
    StartAll();
    ASSERT_TRUE(SendMouseEvent(0x0700, 0x0003));
    ASSERT_TRUE(PumpUntil([&] { return notices.Count(kMsgNotice) == 1; }, 5000));
    EXPECT_EQ((std::vector<ReceivedMessage>{{kMsgNotice, kNoticeText, 0}}), notices.Received());
    EXPECT_EQ("CPI: 1600", CIniFile(Folder() + "config.ini").GetString("OSDData", "Message", ""));

    ASSERT_EQ(0, Vmouse("--unplug"));
    ASSERT_TRUE(PumpUntil([&] { return CIniFile(Folder() + "config.ini").GetInt("Setting", "Device", -1) == 0; }, 5000));
    std::vector<char> data(151, 0);
    std::strcpy(data.data() + 1, "while unplugged");
    COPYDATASTRUCT copy{0, 151, data.data()};
    EXPECT_EQ(1, SendToMonitor(WM_COPYDATA, 0, reinterpret_cast<LPARAM>(&copy)));
    PumpUntil([] { return false; }, 500);
    EXPECT_EQ(1u, notices.Count(kMsgNotice));
    EXPECT_EQ("while unplugged", CIniFile(Folder() + "config.ini").GetString("OSDData", "Message", ""));
}

}  // namespace
