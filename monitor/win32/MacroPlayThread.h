// Plays a button's macro on a worker thread, so that delays of seconds do not block the window
// thread. The window thread hands a macro over with Request; a request while one plays stops
// the playing one (its held keys are released) instead of starting the new one.
#pragma once

#include <windows.h>

#include <atomic>

#include "InputSink.h"
#include "MacroSchedule.h"
#include "SettingsBlock.h"
#include "UniqueResource.h"

// The event being played, for the trace line.
extern std::atomic<int> g_iCurAction;

class MacroPlayThread {
public:
    explicit MacroPlayThread(InputSink& input);
    ~MacroPlayThread();
    MacroPlayThread(const MacroPlayThread&) = delete;
    MacroPlayThread& operator=(const MacroPlayThread&) = delete;

    bool Start();
    // Sets the stop flag, then ends the thread and waits for it. A playing macro stops at
    // once and releases its held keys.
    void Stop();

    // On the window thread, for a macro button's record: stops a playing macro, or copies the
    // macro into the play buffer and has it played. Records without a macro are ignored.
    void Request(const ButtonRecord& record);

    bool Playing() const { return m_playing.load() != 0; }
    DWORD ThreadId() const { return m_threadId; }

private:
    static DWORD WINAPI ThreadMain(void* self);
    void Run();
    void Play();

    InputSink& m_input;
    UniqueHandle m_thread;
    DWORD m_threadId = 0;
    UniqueHandle m_ready;     // the thread's message queue exists
    UniqueHandle m_shutdown;  // cuts the waits of a playing macro short

    // The play buffer belongs to the window thread while nothing plays, to the player after.
    MacroBuffer m_buffer;
    std::atomic<int> m_stop{0};
    std::atomic<int> m_playing{0};
};
