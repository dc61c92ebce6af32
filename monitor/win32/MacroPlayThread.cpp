#include "MacroPlayThread.h"

#include "DeadlineClock.h"
#include "DebugLog.h"
#include "ProcessLink.h"
#include "SyntheticInput.h"

std::atomic<int> g_iCurAction{0};

namespace {

constexpr SIZE_T kThreadStack = 4096;

}  // namespace

MacroPlayThread::MacroPlayThread(InputSink& input) : m_input(input) {}

MacroPlayThread::~MacroPlayThread() { Stop(); }

bool MacroPlayThread::Start()
{
    if (m_thread) return true;
    DeadlineClock::KeepTimerPrecisionInBackground();
    m_ready.reset(CreateEventA(nullptr, TRUE, FALSE, nullptr));
    m_shutdown.reset(CreateEventA(nullptr, TRUE, FALSE, nullptr));
    if (!m_ready || !m_shutdown) return false;
    m_thread.reset(CreateThread(nullptr, kThreadStack, &MacroPlayThread::ThreadMain, this, 0, &m_threadId));
    if (!m_thread) {
        DebugLog("MacroPlayThread: CreateThread failed (error %lu)\n", GetLastError());
        return false;
    }
    // Thread messages posted before the thread has a queue would be lost.
    WaitForSingleObject(m_ready.get(), INFINITE);
    return true;
}

void MacroPlayThread::Stop()
{
    if (!m_thread) return;
    m_stop = 1;
    SetEvent(m_shutdown.get());
    PostThreadMessageA(m_threadId, WM_QUIT, 0, 0);
    WaitForSingleObject(m_thread.get(), INFINITE);
    m_thread.reset();
    m_threadId = 0;
}

void MacroPlayThread::Request(const ButtonRecord& record)
{
    MacroBuffer buffer;
    if (!LoadMacroBuffer(record, &buffer)) return;
    if (m_playing) {
        m_stop = 1;
        return;
    }
    m_buffer = buffer;
    m_stop = 0;
    g_iCurAction = 0;
    // Set here rather than by the player, so that a second press before the player has
    // woken up stops this macro instead of queueing a second one.
    m_playing = 1;
    if (!m_thread || !PostThreadMessageA(m_threadId, kMsgPlayMacro, 0, 0)) m_playing = 0;
}

DWORD WINAPI MacroPlayThread::ThreadMain(void* self)
{
    static_cast<MacroPlayThread*>(self)->Run();
    return 0;
}

void MacroPlayThread::Run()
{
    MSG msg;
    PeekMessageA(&msg, nullptr, WM_USER, WM_USER, PM_NOREMOVE);
    // Steps should leave on time even when the desktop is busy.
    SetThreadPriority(GetCurrentThread(), THREAD_PRIORITY_HIGHEST);
    // The first key translation of a thread loads its keyboard layout, which can take tens of
    // milliseconds; done here, it does not delay the first input of the first macro.
    INPUT warmUp;
    MacroInputToInput({4, false}, &warmUp);
    SetEvent(m_ready.get());
    while (GetMessageA(&msg, nullptr, 0, 0) > 0) {
        if (msg.hwnd == nullptr && msg.message == kMsgPlayMacro) Play();
    }
}

void MacroPlayThread::Play()
{
    m_playing = 1;
    MacroSchedule schedule(m_buffer, g_iCurAction);
    DeadlineClock clock;
    bool traced = false;
    while (!schedule.Finished()) {
        if (!clock.WaitUntil(schedule.DeadlineMs(), m_shutdown.get())) m_stop = 1;
        const MacroInputs inputs = schedule.Advance(m_stop != 0);
        g_iCurAction = schedule.CurrentAction();
        if (!traced && (schedule.Stopped() || schedule.Finished())) {
            DebugLog("g_iCurAction= %d,start=%d,end=%d\n", g_iCurAction.load(), schedule.Start(), schedule.End());
            traced = true;
        }
        INPUT out[2];
        UINT count = 0;
        for (int i = 0; i < inputs.Count; ++i)
            if (MacroInputToInput(inputs.Input[i], &out[count])) ++count;
        if (count > 0) m_input.Send(out, count);
    }
    m_playing = 0;
}
