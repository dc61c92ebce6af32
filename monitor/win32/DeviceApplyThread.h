// The worker that sends settings to the mouse: the only thread that calls the library's write
// functions. It takes requests through its thread message queue (1649) and works on its own
// copy of the block, taken when a request starts, so the window thread may replace its block
// meanwhile.
#pragma once

#include <windows.h>

#include <atomic>
#include <functional>

#include "ApplyPlanRunner.h"
#include "NoticeSettings.h"
#include "SettingsBlock.h"
#include "UniqueResource.h"

class DeviceLibrary;
class NoticeSender;

enum ApplyRequest : WPARAM {
    kApplyChanged = 1,     // after a hand-over from Option; Option hears 1256 afterwards
    kApplyEverything = 2,  // start-up and arrival
    kSelectProfile = 3,    // the PC switched profile
};

class DeviceApplyThread : private ApplyPlanRunner {
public:
    // Copies the current block and notice settings, consistently with their writer.
    using Snapshot = std::function<void(SettingsBlock*, NoticeSettings*)>;

    DeviceApplyThread(DeviceLibrary& library, const std::atomic<int>& deviceState, const NoticeSender& notices,
                      Snapshot snapshot);
    ~DeviceApplyThread() override;

    bool Start();
    bool Post(ApplyRequest request, LPARAM mode);
    // Stops a running apply at its next wait (removal, shutdown).
    void AbortIfBusy();
    // WM_QUIT, then waits for the thread.
    void Stop();

private:
    static DWORD WINAPI Main(void* self);
    void Handle(WPARAM request);

    int SendReport(const uint8_t* bytes, int length) override;
    void WriteChunk(const uint8_t* bytes, int length) override;
    void Sleep(uint32_t ms) override;
    bool AbortRequested() override;

    DeviceLibrary& m_library;
    const std::atomic<int>& m_deviceState;
    const NoticeSender& m_notices;
    Snapshot m_snapshot;
    UniqueHandle m_thread;
    DWORD m_threadId = 0;
    UniqueHandle m_ready;
    std::atomic<int> m_busy{0};
    std::atomic<int> m_abort{0};
};
