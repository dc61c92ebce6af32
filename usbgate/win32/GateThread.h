// A thread of usbgate.dll. It holds a reference to the library while it runs, so a caller
// that frees the library without Close_DevMonitor leaves a running thread with its code still
// loaded instead of a crash.
#pragma once

#include <windows.h>

#include <functional>

#include "UniqueResource.h"

class GateThread {
public:
    GateThread() = default;
    GateThread(const GateThread&) = delete;
    GateThread& operator=(const GateThread&) = delete;

    // Runs body(stopEvent) on a new thread; false when a thread runs already or none could start.
    bool Start(std::function<void(HANDLE stopEvent)> body);
    // Sets the stop event and waits until the body has returned. Never from the thread itself.
    void Stop();

private:
    static DWORD WINAPI Run(void* self);

    std::function<void(HANDLE)> m_body;
    HMODULE m_library = nullptr;
    UniqueHandle m_stop;
    UniqueHandle m_thread;
};
