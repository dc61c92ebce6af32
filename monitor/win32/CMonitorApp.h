// The Monitor process: one per logon, with one hidden window whose destruction ends it.
#pragma once

#include <memory>

#include "UniqueResource.h"

class CMonitorWnd;

class CMonitorApp {
public:
    CMonitorApp();
    ~CMonitorApp();

    // The process exit code.
    int Run(const char* commandLine);

private:
    bool InitInstance(const char* commandLine);
    void ExitInstance();

    UniqueHandle m_instanceMutex;
    std::unique_ptr<CMonitorWnd> m_window;
    bool m_comInitialised = false;
};
