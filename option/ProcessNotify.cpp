#include "ProcessNotify.h"

#include <windows.h>

#include "ProcessLink.h"

bool NotifyMonitor(int mode)
{
    HWND monitor = FindWindowA(nullptr, kMonitorTitle);
    if (!monitor) return false;
    SendMessageA(monitor, kMsgApplyAllSetting, static_cast<WPARAM>(mode), 0);
    return true;
}

void NotifyApplets()
{
    for (const char* title : kAppletTitles)
        if (HWND applet = FindWindowA(nullptr, title)) PostMessageA(applet, kMsgApplyAllSetting, 0, 0);
}
