#include "DeviceApplyThread.h"

#include <mmsystem.h>

#include <cstring>
#include <memory>

#include "ActiveProfile.h"
#include "ApplyPlan.h"
#include "DebugLog.h"
#include "DeviceEvent.h"
#include "DeviceLibrary.h"
#include "NoticeSender.h"
#include "ProcessLink.h"

DeviceApplyThread::DeviceApplyThread(DeviceLibrary& library, const std::atomic<int>& deviceState,
                                     const NoticeSender& notices, Snapshot snapshot)
    : m_library(library), m_deviceState(deviceState), m_notices(notices), m_snapshot(std::move(snapshot))
{
}

DeviceApplyThread::~DeviceApplyThread() { Stop(); }

bool DeviceApplyThread::Start()
{
    m_ready.reset(CreateEventA(nullptr, TRUE, FALSE, nullptr));
    m_thread.reset(CreateThread(nullptr, 0, &DeviceApplyThread::Main, this, 0, &m_threadId));
    if (!m_thread) return false;
    // Requests may be posted as soon as Start returns: wait until the queue exists.
    WaitForSingleObject(m_ready.get(), INFINITE);
    return true;
}

bool DeviceApplyThread::Post(ApplyRequest request, LPARAM mode)
{
    return m_thread && PostThreadMessageA(m_threadId, kMsgApplyRequest, request, mode) != 0;
}

void DeviceApplyThread::AbortIfBusy()
{
    if (m_busy.load()) m_abort.store(1);
}

void DeviceApplyThread::Stop()
{
    if (!m_thread) return;
    PostThreadMessageA(m_threadId, WM_QUIT, 0, 0);
    WaitForSingleObject(m_thread.get(), INFINITE);
    m_thread.reset();
}

DWORD WINAPI DeviceApplyThread::Main(void* param)
{
    auto* self = static_cast<DeviceApplyThread*>(param);
    MSG msg;
    PeekMessageA(&msg, nullptr, WM_USER, WM_USER, PM_NOREMOVE);
    SetEvent(self->m_ready.get());
    while (GetMessageA(&msg, nullptr, 0, 0) > 0) {
        if (msg.message != kMsgApplyRequest) continue;
        try {
            self->Handle(msg.wParam);
        } catch (...) {
            DebugLog("DeviceApplyThread: request %u failed\n", static_cast<unsigned>(msg.wParam));
        }
    }
    return 0;
}

void DeviceApplyThread::Handle(WPARAM request)
{
    const bool attached = m_deviceState.load() == static_cast<int>(DeviceState::Attached);
    if (attached && (request == kApplyChanged || request == kApplyEverything || request == kSelectProfile)) {
        m_abort.store(0);
        m_busy.store(1);
        auto block = std::make_unique<SettingsBlock>();
        NoticeSettings notices{};
        m_snapshot(block.get(), &notices);
        // The mouse wants its pauses kept, not stretched to the next scheduler tick.
        timeBeginPeriod(1);
        if (request == kSelectProfile) {
            Run(BuildSelectProfilePlan(*block));
            if (notices.ProfileNotice == 1) m_notices.ProfileNotice(ActiveProfileIndex(*block));
        } else {
            Run(BuildApplyPlan(*block, request == kApplyEverything ? ApplyScope::Everything : ApplyScope::ChangedOnly));
        }
        timeEndPeriod(1);
        m_busy.store(0);
    }
    // Option waits for this after every hand-over, also when the request could not run (the
    // mouse went away after it was queued): without it Option would stay busy for good.
    if (request == kApplyChanged)
        if (HWND option = FindWindowA(nullptr, kOptionTitle)) PostMessageA(option, kMsgApplyFinished, 0, 0);
}

int DeviceApplyThread::SendReport(const uint8_t* bytes, int length)
{
    unsigned char buffer[8] = {};
    std::memcpy(buffer, bytes, length < 8 ? length : 8);
    return m_library.SetFeature(buffer, 8);
}

void DeviceApplyThread::WriteChunk(const uint8_t* bytes, int length)
{
    unsigned char buffer[64] = {};
    std::memcpy(buffer, bytes, length < 64 ? length : 64);
    m_library.WriteUSB(buffer, 64);
}

void DeviceApplyThread::Sleep(uint32_t ms) { ::Sleep(ms); }

bool DeviceApplyThread::AbortRequested() { return m_abort.load() != 0; }
