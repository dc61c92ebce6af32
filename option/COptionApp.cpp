#include "COptionApp.h"

#include <windows.h>

#include "COptionDlg.h"
#include "MenuFrameHook.h"
#include "ProcessLink.h"

bool COptionApp::InitInstance()
{
    m_instanceMutex.reset(CreateMutexA(nullptr, FALSE, kOptionMutexName));
    if (GetLastError() == ERROR_ALREADY_EXISTS) {
        // A second Option ends silently; the first one is left as it is.
        m_instanceMutex.reset();
        return false;
    }
    InstallMenuFrameHook();
    COptionDlg mainWindow;
    mainWindow.DoModal(nullptr);
    return false;
}

int COptionApp::ExitInstance()
{
    RemoveMenuFrameHook();
    if (m_instanceMutex) ReleaseMutex(m_instanceMutex.get());
    m_instanceMutex.reset();
    return App::ExitInstance();
}
