#include <windows.h>

#include "COptionApp.h"

int WINAPI WinMain(HINSTANCE, HINSTANCE, LPSTR, int)
{
    COptionApp app;
    return app.Run();
}
