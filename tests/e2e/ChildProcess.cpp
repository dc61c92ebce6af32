#include "ChildProcess.h"

#include <vector>

bool ChildProcess::Start(const std::string& program, const std::string& arguments)
{
    std::string commandLine = "\"" + program + "\"";
    if (!arguments.empty()) commandLine += " " + arguments;
    std::vector<char> writable(commandLine.begin(), commandLine.end());
    writable.push_back('\0');
    const std::string folder = program.substr(0, program.find_last_of('\\'));
    STARTUPINFOA startup{};
    startup.cb = sizeof startup;
    PROCESS_INFORMATION info{};
    if (!CreateProcessA(program.c_str(), writable.data(), nullptr, nullptr, FALSE, 0, nullptr, folder.c_str(),
                        &startup, &info))
        return false;
    CloseHandle(info.hThread);
    m_process.reset(info.hProcess);
    m_id = info.dwProcessId;
    return true;
}

int ChildProcess::Wait(DWORD timeoutMs)
{
    if (!m_process) return 0;
    if (WaitForSingleObject(m_process.get(), timeoutMs) != WAIT_OBJECT_0) return -1;
    DWORD code = 0;
    GetExitCodeProcess(m_process.get(), &code);
    return static_cast<int>(code);
}

bool ChildProcess::Running() const
{
    return m_process && WaitForSingleObject(m_process.get(), 0) == WAIT_TIMEOUT;
}

void ChildProcess::Kill()
{
    if (!Running()) return;
    TerminateProcess(m_process.get(), 1);
    WaitForSingleObject(m_process.get(), 5000);
}
