#include "DeadlineClock.h"

#include <mmsystem.h>

#include "DebugLog.h"

#ifndef CREATE_WAITABLE_TIMER_HIGH_RESOLUTION
#define CREATE_WAITABLE_TIMER_HIGH_RESOLUTION 0x00000002
#endif

namespace {

// Below this much time left the clock yields instead of sleeping: timers wake up to a tick
// late (1 ms with the raised resolution, about 0.5 ms with the high-resolution timer).
constexpr int64_t kYieldMicroseconds = 1000;

}  // namespace

DeadlineClock::DeadlineClock()
{
    LARGE_INTEGER value;
    QueryPerformanceFrequency(&value);
    m_frequency = value.QuadPart;
    m_timer.reset(CreateWaitableTimerExW(nullptr, nullptr, CREATE_WAITABLE_TIMER_HIGH_RESOLUTION, TIMER_ALL_ACCESS));
    m_highResolution = static_cast<bool>(m_timer);
    if (!m_timer) {
        m_timer.reset(CreateWaitableTimerExW(nullptr, nullptr, 0, TIMER_ALL_ACCESS));
        m_raisedResolution = timeBeginPeriod(1) == TIMERR_NOERROR;
    }
    if (!m_timer) DebugLog("DeadlineClock: no waitable timer (error %lu); waiting by Sleep\n", GetLastError());
    m_start = Now();
}

DeadlineClock::~DeadlineClock()
{
    if (m_raisedResolution) timeEndPeriod(1);
}

int64_t DeadlineClock::Now() const
{
    LARGE_INTEGER value;
    QueryPerformanceCounter(&value);
    return value.QuadPart;
}

double DeadlineClock::ElapsedMs() const { return static_cast<double>(Now() - m_start) * 1000.0 / m_frequency; }

bool DeadlineClock::WaitUntil(int64_t ms, HANDLE abort)
{
    // Split so that even absurdly long macros cannot overflow.
    const int64_t deadline = m_start + ms / 1000 * m_frequency + ms % 1000 * m_frequency / 1000;
    for (;;) {
        const int64_t left = deadline - Now();
        if (left <= 0) return true;
        const int64_t leftMicroseconds = left * 1000000 / m_frequency;
        if (leftMicroseconds > kYieldMicroseconds) {
            const int64_t sleepMicroseconds = leftMicroseconds - kYieldMicroseconds;
            DWORD woke;
            if (m_timer) {
                LARGE_INTEGER due;
                due.QuadPart = -sleepMicroseconds * 10;  // relative, in 100 ns units
                SetWaitableTimer(m_timer.get(), &due, 0, nullptr, nullptr, FALSE);
                const HANDLE handles[2] = {m_timer.get(), abort};
                woke = WaitForMultipleObjects(abort ? 2 : 1, handles, FALSE, INFINITE);
            } else if (abort) {
                woke = WaitForSingleObject(abort, static_cast<DWORD>(sleepMicroseconds / 1000)) == WAIT_OBJECT_0
                           ? WAIT_OBJECT_0 + 1
                           : WAIT_OBJECT_0;
            } else {
                Sleep(static_cast<DWORD>(sleepMicroseconds / 1000));
                woke = WAIT_OBJECT_0;
            }
            if (woke == WAIT_OBJECT_0 + 1) return false;
        } else {
            if (abort && WaitForSingleObject(abort, 0) == WAIT_OBJECT_0) return false;
            SwitchToThread();
        }
    }
}

void DeadlineClock::KeepTimerPrecisionInBackground()
{
    PROCESS_POWER_THROTTLING_STATE state{};
    state.Version = PROCESS_POWER_THROTTLING_CURRENT_VERSION;
    // Control bits set, state bits clear: never throttle these for this process.
    state.ControlMask = PROCESS_POWER_THROTTLING_IGNORE_TIMER_RESOLUTION | PROCESS_POWER_THROTTLING_EXECUTION_SPEED;
    state.StateMask = 0;
    if (!SetProcessInformation(GetCurrentProcess(), ProcessPowerThrottling, &state, sizeof state))
        DebugLog("DeadlineClock: power throttling left as it is (error %lu)\n", GetLastError());
}
