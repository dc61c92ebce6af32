// Helpers of the action tests: an input sink that records what would have been typed, with
// the time and the cursor position, and windows of any class that record their messages.
#pragma once

#include <windows.h>

#include <mutex>
#include <set>
#include <string>
#include <vector>

#include "InputSink.h"

struct RecordedInput {
    INPUT Input;
    double AtMs;  // since the sink was made
    POINT Cursor;
};

class RecordingSink final : public InputSink {
public:
    RecordingSink() { QueryPerformanceCounter(&m_start); }

    // Milliseconds since the sink was made.
    double NowMs() const
    {
        LARGE_INTEGER now, frequency;
        QueryPerformanceCounter(&now);
        QueryPerformanceFrequency(&frequency);
        return static_cast<double>(now.QuadPart - m_start.QuadPart) * 1000.0 / frequency.QuadPart;
    }

    void Send(const INPUT* inputs, UINT count) override
    {
        const double at = NowMs();
        POINT cursor{};
        GetCursorPos(&cursor);
        std::lock_guard<std::mutex> lock(m_lock);
        for (UINT i = 0; i < count; ++i) m_inputs.push_back({inputs[i], at, cursor});
    }

    std::vector<RecordedInput> Inputs() const
    {
        std::lock_guard<std::mutex> lock(m_lock);
        return m_inputs;
    }

private:
    LARGE_INTEGER m_start;
    mutable std::mutex m_lock;
    std::vector<RecordedInput> m_inputs;
};

struct RecordedMessage {
    HWND Window;
    UINT Message;
    WPARAM WParam;
    LPARAM LParam;

    bool operator==(const RecordedMessage&) const = default;
};

// A window of the given class (registered on first use in this process) that records the
// messages of the watched kinds and otherwise behaves like a plain window.
class MessageWindow {
public:
    static inline const std::set<UINT> kWatched = {WM_HSCROLL, WM_KEYDOWN, WM_KEYUP, WM_COMMAND, WM_APPCOMMAND};

    MessageWindow(const char* className, const char* title, DWORD style, DWORD exStyle, RECT rect,
                  HWND parent = nullptr, std::vector<RecordedMessage>* log = nullptr)
        : m_log(log ? log : &m_ownLog)
    {
        WNDCLASSA wc{};
        if (!GetClassInfoA(GetModuleHandleA(nullptr), className, &wc)) {
            wc.lpfnWndProc = &MessageWindow::Procedure;
            wc.hInstance = GetModuleHandleA(nullptr);
            wc.hbrBackground = static_cast<HBRUSH>(GetStockObject(WHITE_BRUSH));
            wc.lpszClassName = className;
            RegisterClassA(&wc);
        }
        m_hwnd = CreateWindowExA(exStyle, className, title, style, rect.left, rect.top, rect.right - rect.left,
                                 rect.bottom - rect.top, parent, nullptr, GetModuleHandleA(nullptr), this);
    }
    ~MessageWindow()
    {
        if (IsWindow(m_hwnd)) DestroyWindow(m_hwnd);
    }
    MessageWindow(const MessageWindow&) = delete;
    MessageWindow& operator=(const MessageWindow&) = delete;

    HWND Handle() const { return m_hwnd; }
    const std::vector<RecordedMessage>& Log() const { return *m_log; }
    void ClearLog() { m_log->clear(); }

private:
    static LRESULT CALLBACK Procedure(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam)
    {
        if (message == WM_NCCREATE)
            SetPropA(hwnd, "MessageWindow", reinterpret_cast<CREATESTRUCTA*>(lParam)->lpCreateParams);
        auto* self = static_cast<MessageWindow*>(GetPropA(hwnd, "MessageWindow"));
        if (self && kWatched.count(message)) {
            self->m_log->push_back({hwnd, message, wParam, lParam});
            return 0;
        }
        if (message == WM_NCDESTROY) RemovePropA(hwnd, "MessageWindow");
        return DefWindowProcA(hwnd, message, wParam, lParam);
    }

    std::vector<RecordedMessage> m_ownLog;
    std::vector<RecordedMessage>* m_log;
    HWND m_hwnd = nullptr;
};

// Dispatches this thread's messages for a while; onTimer sees every WM_TIMER.
template <typename OnTimer>
void PumpMessagesFor(DWORD ms, OnTimer onTimer)
{
    const ULONGLONG end = GetTickCount64() + ms;
    for (;;) {
        const ULONGLONG now = GetTickCount64();
        if (now >= end) break;
        MsgWaitForMultipleObjects(0, nullptr, FALSE, static_cast<DWORD>(end - now), QS_ALLINPUT);
        MSG msg;
        while (PeekMessageA(&msg, nullptr, 0, 0, PM_REMOVE)) {
            if (msg.message == WM_TIMER) onTimer(msg.hwnd, msg.wParam);
            else DispatchMessageA(&msg);
        }
    }
}

inline void PumpMessagesFor(DWORD ms) { PumpMessagesFor(ms, [](HWND, WPARAM) {}); }
