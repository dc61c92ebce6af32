// Real pointer input for Win32 tests: the cursor moved by SendInput, as a user's mouse would.
#pragma once

#include <windows.h>

// Sends an absolute move to a client point of the window; the screen point it aims at.
inline POINT SendMouseMove(HWND window, int x, int y)
{
    POINT p{x, y};
    ClientToScreen(window, &p);
    INPUT input{};
    input.type = INPUT_MOUSE;
    input.mi.dx = MulDiv(p.x, 65536, GetSystemMetrics(SM_CXSCREEN)) + 1;
    input.mi.dy = MulDiv(p.y, 65536, GetSystemMetrics(SM_CYSCREEN)) + 1;
    input.mi.dwFlags = MOUSEEVENTF_MOVE | MOUSEEVENTF_ABSOLUTE;
    SendInput(1, &input, sizeof input);
    return p;
}
