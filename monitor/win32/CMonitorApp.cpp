#include "CMonitorApp.h"

#include <windows.h>
#include <objbase.h>

#include "CMonitorWnd.h"
#include "DebugLog.h"
#include "ProcessLink.h"

CMonitorApp::CMonitorApp() = default;
CMonitorApp::~CMonitorApp() = default;

bool CMonitorApp::InitInstance(const char* commandLine)
{
    const bool openOption = commandLine && commandLine[0] == '1';
    m_instanceMutex.reset(CreateMutexA(nullptr, FALSE, kMonitorMutexName));
    if (!m_instanceMutex || GetLastError() == ERROR_ALREADY_EXISTS) {
        m_instanceMutex.reset();
        if (openOption) {
            if (HWND first = FindWindowA(nullptr, kMonitorTitle)) PostMessageA(first, WM_COMMAND, kCmdOpenOption, 0);
        }
        DebugLog("CMonitorApp: %s\n", "another Monitor is running");
        return false;
    }
    m_comInitialised = SUCCEEDED(CoInitializeEx(nullptr, COINIT_APARTMENTTHREADED));
    m_window = std::make_unique<CMonitorWnd>(openOption);
    if (!m_window->CreateHidden()) {
        DebugLog("CMonitorApp: %s\n", "the window could not be created");
        return false;
    }
    return true;
}

void CMonitorApp::ExitInstance()
{
    m_window.reset();
    if (m_comInitialised) CoUninitialize();
    m_comInitialised = false;
    m_instanceMutex.reset();
}

int CMonitorApp::Run(const char* commandLine)
{
    if (!InitInstance(commandLine)) {
        ExitInstance();
        return 0;
    }
    MSG msg;
    while (GetMessageA(&msg, nullptr, 0, 0) > 0) {
        TranslateMessage(&msg);
        DispatchMessageA(&msg);
    }
    ExitInstance();
    return static_cast<int>(msg.wParam);
}
