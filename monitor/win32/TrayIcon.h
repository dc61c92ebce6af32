// The notification-area icon of Monitor, shown while the mouse is connected. It remembers
// whether it should be shown, so that it can come back when the shell restarts.
#pragma once

#include <windows.h>
#include <shellapi.h>

#include <string>

class TrayIcon {
public:
    void Add(HWND owner, HICON icon, const std::string& tip);
    void Delete();
    // The shell (re)started: show the icon again if it was shown.
    void Restore();
    bool IsShown() const { return m_shown; }

private:
    NOTIFYICONDATAA Data() const;
    HWND m_owner = nullptr;
    HICON m_icon = nullptr;
    std::string m_tip;
    bool m_shown = false;
};
