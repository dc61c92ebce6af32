#include "ForegroundProgram.h"

#include <windows.h>
#include <tlhelp32.h>

#include <algorithm>
#include <cctype>

#include "UniqueResource.h"

std::string ForegroundProgramName()
{
    DWORD pid = 0;
    if (HWND foreground = GetForegroundWindow()) GetWindowThreadProcessId(foreground, &pid);
    std::string name = "unknown";
    if (pid == 0) return name;
    // A failed snapshot is INVALID_HANDLE_VALUE, as for files.
    UniqueFile snapshot(CreateToolhelp32Snapshot(TH32CS_SNAPPROCESS, 0));
    if (!snapshot) return name;
    PROCESSENTRY32 entry{};
    entry.dwSize = sizeof entry;
    for (BOOL more = Process32First(snapshot.get(), &entry); more; more = Process32Next(snapshot.get(), &entry)) {
        if (entry.th32ProcessID != pid) continue;
        name.assign(entry.szExeFile);
        std::transform(name.begin(), name.end(), name.begin(),
                       [](unsigned char c) { return static_cast<char>(std::tolower(c)); });
        break;
    }
    return name;
}
