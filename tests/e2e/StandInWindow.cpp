#include "StandInWindow.h"

#include <algorithm>

StandInWindow::StandInWindow(const char* title, std::vector<UINT> recorded) : m_recorded(std::move(recorded))
{
    Create("KestrinVardoStandIn", title, WS_POPUP, 0, 0, 0, 10, 10);
}

size_t StandInWindow::Count(UINT message) const
{
    return static_cast<size_t>(std::count_if(m_received.begin(), m_received.end(),
                                             [&](const ReceivedMessage& m) { return m.Message == message; }));
}

LRESULT StandInWindow::OnMessage(UINT message, WPARAM wParam, LPARAM lParam)
{
    if (std::find(m_recorded.begin(), m_recorded.end(), message) != m_recorded.end()) {
        m_received.push_back({message, wParam, lParam});
        return 0;  // WM_CLOSE included: the stand-in stays for the rest of the test
    }
    return Default(message, wParam, lParam);
}
