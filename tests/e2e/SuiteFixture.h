// A program folder of its own for each test, with Monitor, the device library and the virtual
// mouse copied in, and helpers to start, drive and end them.
#pragma once

#include <windows.h>

#include <functional>
#include <memory>
#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "ChildProcess.h"
#include "StandInWindow.h"
#include "TempDir.h"
#include "Transcript.h"

class SuiteFixture : public ::testing::Test {
protected:
    void SetUp() override;
    void TearDown() override;

    std::string Folder() const { return m_dir.Folder(); }
    std::string TranscriptPath() const { return m_dir.File("transcript.txt"); }
    std::vector<TranscriptLine> Transcript() const { return ReadTranscript(TranscriptPath()); }

    void WriteConfig(const std::string& text);
    // Puts the real Option.exe (instead of the marker) and the skins into the folder.
    void InstallOption();
    void StartVirtualMouse(const std::string& options = "");
    // Starts Monitor against the virtual mouse and waits for its window.
    void StartMonitor(const std::string& arguments = "");
    HWND MonitorWindow() const;
    // SendMessage that fails the test instead of hanging when Monitor does not answer.
    LRESULT SendToMonitor(UINT message, WPARAM wParam = 0, LPARAM lParam = 0);
    // Hands the running vmouse an event to send, as `vmouse.exe --event` does.
    bool SendMouseEvent(uint16_t kind, uint16_t value);
    // Runs a second vmouse.exe with a remote command; its exit code.
    int Vmouse(const std::string& command);

    // Waits (pumping this thread's messages) until the transcript holds `count` lines that
    // match, counting from line `from`; the index just past the last of them, or -1.
    int WaitForFrame(const std::string& frame, size_t from = 0, DWORD timeoutMs = 20000);

    ChildProcess m_monitor;
    ChildProcess m_vmouse;

private:
    TempDir m_dir;
};

// The frame texts of a full transfer of five default profiles, selecting the given profile.
std::vector<std::string> DefaultFullTransfer(int selectedProfile);
// The pause each frame of DefaultFullTransfer must keep after the frame before it.
std::vector<uint32_t> DefaultFullTransferPauses();
