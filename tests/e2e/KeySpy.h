// Watches synthesized keyboard input the way a user's program would see it: a low-level
// keyboard hook on the test's thread, recording each key with the time it arrived.
#pragma once

#include <windows.h>

#include <string>
#include <vector>

struct SpiedKey {
    DWORD VirtualKey;
    bool Down;
    double Ms;  // since the spy started
};

class KeySpy {
public:
    KeySpy();
    ~KeySpy();
    KeySpy(const KeySpy&) = delete;
    KeySpy& operator=(const KeySpy&) = delete;

    bool Installed() const { return m_hook != nullptr; }
    const std::vector<SpiedKey>& Keys() const { return m_keys; }
    double Now() const;
    // "+41 -41 +42 ..." (down/up and the virtual key in hex), for comparing with a table.
    std::string Sequence() const;

private:
    static LRESULT CALLBACK Hook(int code, WPARAM wParam, LPARAM lParam);
    HHOOK m_hook = nullptr;
    LARGE_INTEGER m_start{};
    LARGE_INTEGER m_frequency{};
    std::vector<SpiedKey> m_keys;
};
