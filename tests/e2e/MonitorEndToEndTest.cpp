// Monitor as the user runs it: a real process against the virtual mouse, driven through the
// messages, the shared block and the mouse's own events.
#include <windows.h>

#include <cstring>
#include <memory>

#include "CIniFile.h"
#include "ProcessLink.h"
#include "SuiteFixture.h"
#include "win32/SharedBlock.h"

namespace {

const std::string kSelectProfile1 = "F 02010000000000FC";

std::string Describe(const std::vector<std::string>& frames)
{
    std::string text;
    for (const std::string& f : frames) text += "  " + f + "\n";
    return text;
}

std::vector<std::string> FramesFrom(const std::vector<TranscriptLine>& lines, size_t from)
{
    std::vector<std::string> frames = FrameTexts(lines);
    return std::vector<std::string>(frames.begin() + static_cast<long>(std::min(from, frames.size())), frames.end());
}

class MonitorEndToEnd : public SuiteFixture {
protected:
    // Starts both and waits for the first full transfer; the number of frames it took.
    int StartAndWaitForFirstTransfer()
    {
        StartVirtualMouse();
        StartMonitor();
        return WaitForFrame(kSelectProfile1);
    }
};

TEST_F(MonitorEndToEnd, FirstTransferSendsTheWholeDefaultBlockWithItsPauses)
{
    const int end = StartAndWaitForFirstTransfer();
    ASSERT_GT(end, 0) << "no select-profile command; frames:\n" << Describe(FrameTexts(Transcript()));

    const std::vector<TranscriptLine> lines = Transcript();
    std::vector<const TranscriptLine*> frames;
    for (const TranscriptLine& l : lines)
        if (l.Type == 'F' || l.Type == 'W') frames.push_back(&l);
    const std::vector<std::string> expected = DefaultFullTransfer(0);
    EXPECT_EQ(expected, FramesFrom(lines, 0)) << "got:\n" << Describe(FrameTexts(lines));

    const std::vector<uint32_t> pauses = DefaultFullTransferPauses();
    ASSERT_EQ(expected.size(), pauses.size());
    uint32_t mandated = 0;
    for (size_t i = 1; i < frames.size() && i < pauses.size(); ++i) {
        const uint32_t gap = frames[i]->Ms - frames[i - 1]->Ms;
        EXPECT_GE(gap + 2, pauses[i]) << "frame " << i << " came " << gap << " ms after the one before";
        mandated += pauses[i];
    }
    const uint32_t took = frames.back()->Ms - frames.front()->Ms;
    std::printf("[ figures  ] full transfer: %u ms for %u ms of mandated pauses (ratio %.3f)\n", took, mandated,
                mandated ? static_cast<double>(took) / mandated : 0.0);
    for (const TranscriptLine& l : lines) EXPECT_NE('X', l.Type) << "vmouse found a protocol error: " << l.Data;

    EXPECT_EQ(1, CIniFile(Folder() + "config.ini").GetInt("Setting", "Device", -1));
}

TEST_F(MonitorEndToEnd, AHandOverSendsOnlyTheFlaggedPartsAndEndsWith1256)
{
    StandInWindow option(kOptionTitle, {kMsgApplyFinished, kMsgProfileChanged, kMsgDeviceValues, WM_CLOSE});
    const int end = StartAndWaitForFirstTransfer();
    ASSERT_GT(end, 0);

    SharedBlock shared;
    ASSERT_TRUE(shared.Open()) << "Monitor's block is not shared";
    auto block = std::make_unique<SettingsBlock>();
    ASSERT_TRUE(shared.Read(block.get()));
    EXPECT_EQ(0, block->CurrentProfile);
    std::memset(&block->ButtonChanged, 0, sizeof(SettingsBlock) - offsetof(SettingsBlock, ButtonChanged));
    block->Profiles[2].PollingRate = 0;
    block->PollingRateChanged[2] = 1;
    block->Profiles[4].CpiStep = 3;
    block->CpiStepChanged[4] = 1;
    ASSERT_TRUE(shared.Write(block.get()));
    option.Clear();
    SendToMonitor(kMsgApplyAllSetting);

    ASSERT_TRUE(PumpUntil([&] { return option.Count(kMsgApplyFinished) == 1; }, 10000)) << "no 1256";
    const std::vector<std::string> expected = {"F 01880200000000" "74", "F 03030800000000" "F1",
                                               "F 04050400000000" "F2", kSelectProfile1};
    EXPECT_EQ(expected, FramesFrom(Transcript(), static_cast<size_t>(end))) << "got:\n"
                                                                             << Describe(FramesFrom(Transcript(), end));
    EXPECT_EQ(0u, option.Count(WM_CLOSE));
}

TEST_F(MonitorEndToEnd, UnplugStopsATransferAndReplugSendsEverything)
{
    StandInWindow option(kOptionTitle, {WM_CLOSE});
    StartVirtualMouse();
    StartMonitor();
    // Unplug as soon as the first settings page starts.
    ASSERT_GT(WaitForFrame("F 0C01800000000072"), 0);
    ASSERT_EQ(0, Vmouse("--unplug"));
    ASSERT_TRUE(PumpUntil([&] { return option.Count(WM_CLOSE) == 1; }, 10000)) << "Option was not closed";
    PumpUntil([] { return false; }, 1500);  // anything still on its way arrives now

    const std::vector<TranscriptLine> lines = Transcript();
    uint32_t unplugged = 0;
    for (const TranscriptLine& l : lines)
        if (l.Type == 'P' && l.Data == "0") unplugged = l.Ms;
    ASSERT_NE(0u, unplugged) << "vmouse never reported the unplug";
    for (const TranscriptLine& l : lines)
        if ((l.Type == 'F' || l.Type == 'W') && l.Ms > unplugged) {
            EXPECT_LE(l.Ms - unplugged, 350u) << "sent " << l.Ms - unplugged << " ms after the unplug: " << l.Data;
        }
    EXPECT_EQ(0, CIniFile(Folder() + "config.ini").GetInt("Setting", "Device", -1));

    const size_t before = FrameTexts(lines).size();
    ASSERT_EQ(0, Vmouse("--plug"));
    const int end = WaitForFrame(kSelectProfile1, before);
    ASSERT_GT(end, 0) << "no full transfer after the replug";
    EXPECT_EQ(DefaultFullTransfer(0), FramesFrom(Transcript(), before));
    EXPECT_EQ(1, CIniFile(Folder() + "config.ini").GetInt("Setting", "Device", -1));
}

TEST_F(MonitorEndToEnd, AProfileChangedOnTheMouseReachesFilesBlockOptionAndNotices)
{
    StandInWindow option(kOptionTitle, {kMsgProfileChanged, kMsgDeviceValues});
    StandInWindow notices(kNoticeTitle, {kMsgNotice});
    ASSERT_GT(StartAndWaitForFirstTransfer(), 0);

    ASSERT_EQ(0, Vmouse("--event 0800 0003"));
    ASSERT_TRUE(PumpUntil([&] { return option.Count(kMsgDeviceValues) == 1; }, 10000));
    EXPECT_EQ((std::vector<ReceivedMessage>{{kMsgProfileChanged, 0, 0}, {kMsgDeviceValues, 0, 0}}), option.Received());
    EXPECT_EQ((std::vector<ReceivedMessage>{{kMsgNotice, kNoticeProfile, 2 << 16}}), notices.Received());
    EXPECT_EQ(2, CIniFile(Folder() + "config.ini").GetInt("Setting", "CurrentProfile", -1));
    SharedBlock shared;
    ASSERT_TRUE(shared.Open());
    auto block = std::make_unique<SettingsBlock>();
    ASSERT_TRUE(shared.Read(block.get()));
    EXPECT_EQ(2, block->CurrentProfile);
}

TEST_F(MonitorEndToEnd, ASecondMonitorEndsAndWithOneMakesTheFirstOpenOption)
{
    StartVirtualMouse();
    StartMonitor();
    ChildProcess second;
    ASSERT_TRUE(second.Start(Folder() + "Monitor.exe"));
    EXPECT_EQ(0, second.Wait(10000)) << "the second Monitor did not end";
    EXPECT_FALSE(FileExists(Folder() + "Option.exe.started"));

    ChildProcess third;
    ASSERT_TRUE(third.Start(Folder() + "Monitor.exe", "1"));
    EXPECT_EQ(0, third.Wait(10000));
    EXPECT_TRUE(PumpUntil([&] { return FileExists(Folder() + "Option.exe.started"); }, 10000))
        << "the first Monitor did not start Option";
    EXPECT_TRUE(m_monitor.Running());
}

TEST_F(MonitorEndToEnd, OnlyATextNoticeOfExactly151BytesIsShown)
{
    StandInWindow notices(kNoticeTitle, {kMsgNotice});
    ASSERT_GT(StartAndWaitForFirstTransfer(), 0);
    for (size_t size : {150u, 151u, 152u}) {
        std::vector<char> data(size, 0);
        const std::string text = "size " + std::to_string(size);
        std::memcpy(data.data() + 1, text.c_str(), text.size());
        COPYDATASTRUCT copy{0, static_cast<DWORD>(size), data.data()};
        EXPECT_EQ(1, SendToMonitor(WM_COPYDATA, 0, reinterpret_cast<LPARAM>(&copy))) << size;
    }
    // A text without its NUL is cut at the end of the data.
    std::vector<char> full(151, 'x');
    COPYDATASTRUCT copy{0, 151, full.data()};
    SendToMonitor(WM_COPYDATA, 0, reinterpret_cast<LPARAM>(&copy));

    ASSERT_TRUE(PumpUntil([&] { return notices.Count(kMsgNotice) == 2; }, 5000));
    EXPECT_EQ((std::vector<ReceivedMessage>{{kMsgNotice, kNoticeText, 0}, {kMsgNotice, kNoticeText, 0}}),
              notices.Received());
    EXPECT_EQ(std::string(150, 'x'), CIniFile(Folder() + "config.ini").GetString("OSDData", "Message", ""));
}

TEST_F(MonitorEndToEnd, AHostileBlockInTheMappingIsSurvived)
{
    StandInWindow option(kOptionTitle, {kMsgApplyFinished});
    const int end = StartAndWaitForFirstTransfer();
    ASSERT_GT(end, 0);
    SharedBlock shared;
    ASSERT_TRUE(shared.Open());
    auto block = std::make_unique<SettingsBlock>();
    for (uint8_t fill : {0xFF, 0x7F, 0x80}) {
        std::memset(block.get(), fill, sizeof *block);
        ASSERT_TRUE(shared.Write(block.get()));
        SendToMonitor(kMsgApplyAllSetting);
        // Button events with function codes and macros made of garbage.
        for (const char* button : {"4000 0001", "4000 0101", "5000 0010", "000A 0003", "F000 0021", "1000 0001"})
            Vmouse(std::string("--event ") + button);
    }
    ASSERT_TRUE(PumpUntil([&] { return option.Count(kMsgApplyFinished) == 3; }, 60000));
    EXPECT_EQ(0, SendToMonitor(WM_NULL)) << "Monitor stopped answering";
    EXPECT_TRUE(m_monitor.Running());
    // An out-of-range current profile selects the first profile on the mouse.
    const std::vector<std::string> frames = FramesFrom(Transcript(), static_cast<size_t>(end));
    ASSERT_FALSE(frames.empty());
    EXPECT_EQ(kSelectProfile1, frames.back());
}

}  // namespace
