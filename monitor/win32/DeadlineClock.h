// Waits for deadlines counted from the clock's start on the performance counter, so that a
// long macro does not gather the errors of its single waits. Waits use a high-resolution
// waitable timer where Windows has one (10, version 1803 on); elsewhere the clock raises the
// system timer resolution to 1 ms for its lifetime. The last stretch before a deadline is
// spent yielding, which brings a step within a small fraction of a millisecond.
#pragma once

#include <windows.h>

#include <cstdint>

#include "UniqueResource.h"

class DeadlineClock {
public:
    DeadlineClock();
    ~DeadlineClock();
    DeadlineClock(const DeadlineClock&) = delete;
    DeadlineClock& operator=(const DeadlineClock&) = delete;

    // Waits until ms after the start; false, at once, when abort (may be null) is signalled.
    bool WaitUntil(int64_t ms, HANDLE abort);
    double ElapsedMs() const;
    bool HighResolutionTimer() const { return m_highResolution; }

    // Lets this process keep the timer resolution it asks for and full speed when it has no
    // visible window (Windows 11 otherwise ignores the request for such processes).
    static void KeepTimerPrecisionInBackground();

private:
    int64_t Now() const;

    int64_t m_frequency;
    int64_t m_start;
    UniqueHandle m_timer;
    bool m_highResolution = false;
    bool m_raisedResolution = false;
};
