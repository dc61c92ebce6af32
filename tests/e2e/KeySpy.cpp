#include "KeySpy.h"

#include <cstdio>

namespace {
KeySpy* g_spy = nullptr;  // hooks have no context pointer; one spy at a time
}

KeySpy::KeySpy()
{
    QueryPerformanceFrequency(&m_frequency);
    QueryPerformanceCounter(&m_start);
    g_spy = this;
    m_hook = SetWindowsHookExA(WH_KEYBOARD_LL, &KeySpy::Hook, GetModuleHandleA(nullptr), 0);
}

KeySpy::~KeySpy()
{
    if (m_hook) UnhookWindowsHookEx(m_hook);
    g_spy = nullptr;
}

double KeySpy::Now() const
{
    LARGE_INTEGER now;
    QueryPerformanceCounter(&now);
    return 1000.0 * static_cast<double>(now.QuadPart - m_start.QuadPart) / static_cast<double>(m_frequency.QuadPart);
}

std::string KeySpy::Sequence() const
{
    std::string text;
    for (const SpiedKey& k : m_keys) {
        char item[16];
        std::snprintf(item, sizeof item, "%s%c%02lX", text.empty() ? "" : " ", k.Down ? '+' : '-', k.VirtualKey);
        text += item;
    }
    return text;
}

LRESULT CALLBACK KeySpy::Hook(int code, WPARAM wParam, LPARAM lParam)
{
    if (code == HC_ACTION && g_spy) {
        const auto* key = reinterpret_cast<const KBDLLHOOKSTRUCT*>(lParam);
        const bool down = wParam == WM_KEYDOWN || wParam == WM_SYSKEYDOWN;
        g_spy->m_keys.push_back({key->vkCode, down, g_spy->Now()});
    }
    return CallNextHookEx(nullptr, code, wParam, lParam);
}
