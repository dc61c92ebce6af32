// Stands in for a program Monitor starts (Option.exe): notes that it was started, and how,
// in a file beside itself, then ends.
#include <windows.h>

#include <cstdio>
#include <string>

int WINAPI WinMain(HINSTANCE, HINSTANCE, LPSTR commandLine, int)
{
    char path[MAX_PATH] = {};
    GetModuleFileNameA(nullptr, path, MAX_PATH);
    std::string marker(path);
    marker += ".started";
    if (FILE* f = std::fopen(marker.c_str(), "ab")) {
        std::fprintf(f, "%s\n", commandLine);
        std::fclose(f);
    }
    return 0;
}
