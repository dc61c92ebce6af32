// A program of the suite started by a test, ended (politely or not) when the test is done.
#pragma once

#include <windows.h>

#include <string>

#include "UniqueResource.h"

class ChildProcess {
public:
    ChildProcess() = default;
    ~ChildProcess() { Kill(); }
    ChildProcess(ChildProcess&&) = default;
    ChildProcess& operator=(ChildProcess&&) = default;

    // commandLine: the program's full path followed by its arguments; it runs in its folder.
    bool Start(const std::string& program, const std::string& arguments = "");
    // Exit code, or -1 when it is still running after timeoutMs.
    int Wait(DWORD timeoutMs);
    bool Running() const;
    void Kill();
    DWORD Id() const { return m_id; }
    HANDLE Native() const { return m_process.get(); }

private:
    UniqueHandle m_process;
    DWORD m_id = 0;
};
