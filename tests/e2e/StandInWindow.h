// A window with another program's title (Option, the notice program) that records what
// Monitor posts or sends to it, so a test can compare that with what it expects.
#pragma once

#include <windows.h>

#include <string>
#include <vector>

#include "Window.h"

struct ReceivedMessage {
    UINT Message;
    WPARAM WParam;
    LPARAM LParam;
    bool operator==(const ReceivedMessage&) const = default;
};

class StandInWindow : public Window {
public:
    StandInWindow(const char* title, std::vector<UINT> recorded);
    const std::vector<ReceivedMessage>& Received() const { return m_received; }
    size_t Count(UINT message) const;
    void Clear() { m_received.clear(); }

protected:
    LRESULT OnMessage(UINT message, WPARAM wParam, LPARAM lParam) override;

private:
    std::vector<UINT> m_recorded;
    std::vector<ReceivedMessage> m_received;
};

// Dispatches this thread's messages until done() holds or timeoutMs pass; returns done().
template <typename Done>
bool PumpUntil(Done done, DWORD timeoutMs)
{
    const ULONGLONG end = GetTickCount64() + timeoutMs;
    for (;;) {
        MSG msg;
        while (PeekMessageA(&msg, nullptr, 0, 0, PM_REMOVE)) {
            TranslateMessage(&msg);
            DispatchMessageA(&msg);
        }
        if (done()) return true;
        if (GetTickCount64() >= end) return false;
        MsgWaitForMultipleObjects(0, nullptr, FALSE, 10, QS_ALLINPUT);
    }
}
