#include "GateThread.h"

#include "DebugLog.h"

bool GateThread::Start(std::function<void(HANDLE stopEvent)> body)
{
    if (m_thread) return false;
    m_stop.reset(CreateEventA(nullptr, TRUE, FALSE, nullptr));
    if (!m_stop) return false;
    if (!GetModuleHandleExA(GET_MODULE_HANDLE_EX_FLAG_FROM_ADDRESS, reinterpret_cast<LPCSTR>(&GateThread::Run),
                            &m_library)) {
        m_library = nullptr;
        return false;
    }
    m_body = std::move(body);
    m_thread.reset(CreateThread(nullptr, 0, &GateThread::Run, this, 0, nullptr));
    if (!m_thread) {
        DebugLog("usbgate: no thread (error %lu)\n", GetLastError());
        FreeLibrary(m_library);
        return false;
    }
    return true;
}

void GateThread::Stop()
{
    if (!m_thread) return;
    SetEvent(m_stop.get());
    WaitForSingleObject(m_thread.get(), INFINITE);
    m_thread.reset();
    m_stop.reset();
    m_body = nullptr;
}

DWORD WINAPI GateThread::Run(void* self)
{
    GateThread* thread = static_cast<GateThread*>(self);
    HMODULE library = thread->m_library;
    thread->m_body(thread->m_stop.get());
    FreeLibraryAndExitThread(library, 0);
}
