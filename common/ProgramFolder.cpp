#include "ProgramFolder.h"

#include <cstdio>

#ifdef _WIN32
#include <windows.h>
#else
#include <climits>
#include <unistd.h>
#endif

std::string GetProgramFolder()
{
#ifdef _WIN32
    char path[MAX_PATH + 1] = {};
    DWORD n = GetModuleFileNameA(nullptr, path, MAX_PATH);
    if (n == 0 || n >= MAX_PATH) return {};
    std::string folder(path, n);
#else
    char path[PATH_MAX + 1] = {};
    ssize_t n = readlink("/proc/self/exe", path, PATH_MAX);
    if (n <= 0) return {};
    std::string folder(path, static_cast<size_t>(n));
#endif
    size_t cut = folder.find_last_of(kDirSep);
    if (cut == std::string::npos) return {};
    return folder.substr(0, cut + 1);
}

bool FileExists(const std::string& path)
{
    FILE* f = std::fopen(path.c_str(), "rb");
    if (!f) return false;
    std::fclose(f);
    return true;
}
