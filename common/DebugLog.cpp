#include "DebugLog.h"

#include <cstdarg>
#include <cstdio>

#ifdef _WIN32
#include <windows.h>
#endif

void DebugLog(const char* format, ...)
{
    char line[1024];
    va_list args;
    va_start(args, format);
    std::vsnprintf(line, sizeof line, format, args);
    va_end(args);
#ifdef _WIN32
    OutputDebugStringA(line);
#else
    std::fputs(line, stderr);
#endif
}
