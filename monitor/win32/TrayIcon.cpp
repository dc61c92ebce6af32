#include "TrayIcon.h"

#include <shellapi.h>

#include <cstring>

#include "ProcessLink.h"

namespace {
constexpr UINT kTrayIconId = 102;
}

NOTIFYICONDATAA TrayIcon::Data() const
{
    NOTIFYICONDATAA data{};
    data.cbSize = sizeof data;
    data.hWnd = m_owner;
    data.uID = kTrayIconId;
    data.uFlags = NIF_MESSAGE | NIF_ICON | NIF_TIP;
    data.uCallbackMessage = kMsgTrayNotify;
    data.hIcon = m_icon;
    std::strncpy(data.szTip, m_tip.c_str(), sizeof data.szTip - 1);
    return data;
}

void TrayIcon::Add(HWND owner, HICON icon, const std::string& tip)
{
    m_owner = owner;
    m_icon = icon;
    m_tip = tip;
    NOTIFYICONDATAA data = Data();
    Shell_NotifyIconA(NIM_ADD, &data);
    m_shown = true;
}

void TrayIcon::Delete()
{
    if (!m_owner) return;
    NOTIFYICONDATAA data = Data();
    Shell_NotifyIconA(NIM_DELETE, &data);
    m_shown = false;
}

void TrayIcon::Restore()
{
    if (!m_shown) return;
    NOTIFYICONDATAA data = Data();
    Shell_NotifyIconA(NIM_ADD, &data);
}
