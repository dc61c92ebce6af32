#include <windows.h>

#include "CMonitorApp.h"

int WINAPI WinMain(HINSTANCE, HINSTANCE, LPSTR commandLine, int)
{
    CMonitorApp app;
    return app.Run(commandLine);
}
