// The virtual transport end to end: a real vmouse.exe with a transcript, usbgate.dll loaded by
// full path, the calls in Monitor's order, and what each side sees of the other.
#include <gtest/gtest.h>

#include <cstdio>
#include <sstream>
#include <thread>
#include <vector>

#include "TempDir.h"
#include "UsbGateLibrary.h"

namespace {

using Lines = std::vector<std::string>;

std::string VmousePath() { return GetProgramFolder() + "vmouse.exe"; }

// Starts vmouse.exe with the arguments; the process, or none.
UniqueHandle StartVmouse(const std::string& args)
{
    std::string line = "\"" + VmousePath() + "\" " + args;
    STARTUPINFOA startup{};
    startup.cb = sizeof startup;
    PROCESS_INFORMATION process{};
    if (!CreateProcessA(nullptr, line.data(), nullptr, nullptr, FALSE, 0, nullptr, nullptr, &startup, &process))
        return UniqueHandle();
    UniqueHandle thread(process.hThread);
    return UniqueHandle(process.hProcess);
}

// Runs vmouse.exe with the arguments to its end; its exit code, or -1.
int RunVmouse(const std::string& args)
{
    UniqueHandle process = StartVmouse(args);
    DWORD code = static_cast<DWORD>(-1);
    if (!process || WaitForSingleObject(process.get(), 20000) != WAIT_OBJECT_0) return -1;
    GetExitCodeProcess(process.get(), &code);
    return static_cast<int>(code);
}

// The transcript's lines without their times; every time must be a number.
Lines Bodies(const std::string& path)
{
    std::istringstream in(TempDir::Read(path));
    Lines bodies;
    std::string line;
    while (std::getline(in, line)) {
        const size_t space = line.find(' ');
        const bool timed = space != std::string::npos && space > 0 &&
                           line.find_first_not_of("0123456789") == space;
        bodies.push_back(timed ? line.substr(space + 1) : "untimed: " + line);
    }
    return bodies;
}

class UsbGateVirtualTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        RunVmouse("--quit");  // one left over from an earlier run would take the pipe
        ASSERT_TRUE(WaitForVmouseGone());
        ASSERT_TRUE(gate.Module);
        ASSERT_TRUE(gate.Bound);
        ASSERT_TRUE(sink.Handle());
    }
    void TearDown() override
    {
        if (gate.Module && gate.Bound) Close();  // also after a failed assertion, so that no thread of the library outlives it
        if (HasFailure()) std::printf("transcript:\n%s", TempDir::Read(transcript).c_str());
        RunVmouse("--quit");
        if (vmouse) WaitForSingleObject(vmouse.get(), 20000);
    }

    static bool WaitForVmouseGone()
    {
        for (int i = 0; i < 200; ++i) {
            if (!FindWindowA("KestrinVardoVirtualMouse", nullptr)) return true;
            std::this_thread::sleep_for(std::chrono::milliseconds(50));
        }
        return false;
    }

    // Starts vmouse and waits until its transcript says it is ready.
    bool StartMouse(const std::string& options, const char* firstLine)
    {
        const size_t before = Bodies(transcript).size();
        vmouse = StartVmouse(options + " --transcript \"" + transcript + "\"");
        return vmouse && WaitForLine(firstLine, before);
    }

    // True once the transcript has `body` at or after line `from`.
    bool WaitForLine(const std::string& body, size_t from = 0)
    {
        for (int i = 0; i < 400; ++i) {
            const Lines lines = Bodies(transcript);
            for (size_t n = from; n < lines.size(); ++n)
                if (lines[n] == body) return true;
            std::this_thread::sleep_for(std::chrono::milliseconds(25));
        }
        return false;
    }

    void ExpectChange(WPARAM arrived, const char* after)
    {
        const auto msg = sink.Next(kChangeMessage);
        ASSERT_TRUE(msg) << "no message 1326 with wParam " << arrived << " after " << after;
        EXPECT_EQ(msg->wParam, arrived);
    }

    void Open()
    {
        ASSERT_EQ(gate.SetVidPid(0x2E5A, 0x4B2D), 1);
        ASSERT_EQ(gate.OpenDevMonitor(sink.Handle(), kDataMessage, kChangeMessage), 1);
        gate.OpenFeatureDevice();
    }

    void Close()
    {
        gate.CloseFeatureDevice();
        gate.CloseReportDevice();
        gate.CloseDevMonitor();
    }

    TempDir dir;
    std::string transcript = dir.File("transcript.txt");
    UsbGateLibrary gate{"virtual"};
    MessageSink sink;
    UniqueHandle vmouse;
};

TEST_F(UsbGateVirtualTest, FramesEventsPlugAndQuit)
{
    ASSERT_TRUE(StartMouse("", "P 1"));
    Open();
    ASSERT_EQ(gate.OpenReportDevice(), 1) << "the running vmouse counts as the mouse present at start";

    unsigned char begin[8] = {0x01, 0x88, 0x02, 0x00, 0x00, 0x00, 0x00, 0x74};
    unsigned char settings[8] = {0x0C, 0x02, 0x80, 0x00, 0x00, 0x00, 0x00, 0x71};
    unsigned char chunk0[64] = {0xFF, 0xFF};
    unsigned char chunk1[64] = {};
    chunk1[63] = 0xA5;
    EXPECT_EQ(gate.SetFeature(begin, 8), 1);
    // Synchronous: the line is there the moment the call returns.
    EXPECT_EQ(Bodies(transcript).back(), "F 0188020000000074");
    EXPECT_EQ(gate.SetFeature(settings, 8), 1);
    EXPECT_EQ(gate.WriteUsb(chunk0, 64), 1);
    EXPECT_EQ(Bodies(transcript).back(), "W FFFF" + std::string(124, '0'));
    EXPECT_EQ(gate.WriteUsb(chunk1, 64), 1);
    EXPECT_EQ(gate.WriteUsb(chunk1, 7), 0) << "not a chunk";
    unsigned char badChecksum[8] = {0x02, 0x01, 0x00, 0x00, 0x00, 0x00, 0x00, 0x00};
    EXPECT_EQ(gate.SetFeature(badChecksum, 8), 1) << "taken, and found wrong by the mouse";
    EXPECT_EQ(Bodies(transcript), (Lines{"P 1", "F 0188020000000074", "F 0C02800000000071", "W FFFF" + std::string(124, '0'),
                                         "W " + std::string(126, '0') + "A5", "F 0201000000000000",
                                         "X command 02: checksum 00, expected FC"}));

    ASSERT_EQ(RunVmouse("--event 0800 0003"), 0);
    auto event = sink.Next(kDataMessage);
    ASSERT_TRUE(event);
    EXPECT_EQ(event->wParam, 0x0800u);
    EXPECT_EQ(event->lParam & 0xFFFF, 3);
    EXPECT_TRUE(WaitForLine("E 0800 0003"));

    ASSERT_EQ(RunVmouse("--unplug"), 0);
    ExpectChange(0, "--unplug");
    EXPECT_EQ(gate.SetFeature(begin, 8), 0) << "a removed mouse takes nothing";
    EXPECT_EQ(RunVmouse("--event 0700 0002"), 0);
    EXPECT_TRUE(WaitForLine("P 0"));
    ASSERT_EQ(RunVmouse("--plug"), 0);
    ExpectChange(1, "--plug");
    EXPECT_FALSE(sink.Next(kDataMessage, 0)) << "an unplugged mouse sends no events";
    EXPECT_EQ(gate.SetFeature(begin, 8), 0) << "not opened again yet";
    gate.OpenFeatureDevice();
    EXPECT_EQ(gate.OpenReportDevice(), 1);
    EXPECT_EQ(gate.SetFeature(begin, 8), 1);

    ASSERT_EQ(RunVmouse("--quit"), 0);
    ExpectChange(0, "--quit");
    ASSERT_EQ(WaitForSingleObject(vmouse.get(), 20000), WAIT_OBJECT_0);
    EXPECT_EQ(RunVmouse("--event 0800 0001"), 1) << "no instance";
    EXPECT_EQ(gate.SetFeature(begin, 8), 0);

    // A vmouse started after the library is an arrival.
    transcript = dir.File("transcript2.txt");
    ASSERT_TRUE(StartMouse("", "P 1"));
    ExpectChange(1, "a new start");
    Close();
    EXPECT_FALSE(sink.Next(kChangeMessage, 0)) << "nothing after Close_DevMonitor";
    gate.Module.reset();
    EXPECT_EQ(GetModuleHandleA("usbgate.dll"), nullptr) << "no thread of the library keeps it loaded";
}

TEST_F(UsbGateVirtualTest, StartsUnpluggedThenPlugs)
{
    ASSERT_TRUE(StartMouse("--unplugged", "P 0"));
    Open();
    EXPECT_EQ(gate.OpenReportDevice(), 0);
    ASSERT_EQ(RunVmouse("--plug"), 0);
    ExpectChange(1, "--plug");
    gate.OpenFeatureDevice();
    EXPECT_EQ(gate.OpenReportDevice(), 1);
    Close();
}

TEST_F(UsbGateVirtualTest, NoVirtualMouseMeansNoMouse)
{
    Open();
    EXPECT_EQ(gate.OpenReportDevice(), 0);
    unsigned char begin[8] = {0x01, 0x88, 0x02, 0x00, 0x00, 0x00, 0x00, 0x74};
    EXPECT_EQ(gate.SetFeature(begin, 8), 0);
    Close();
}

}  // namespace
