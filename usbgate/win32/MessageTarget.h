// The window that Open_DevMonitor names, with the two message numbers it asked for.
#pragma once

#include <windows.h>

#include <cstdint>

struct MessageTarget {
    HWND Window = nullptr;
    UINT DataMessage = 0;
    UINT ChangeMessage = 0;

    void PostEvent(uint16_t kind, uint16_t value) const
    {
        if (Window) PostMessageA(Window, DataMessage, kind, value);
    }
    void PostChange(bool arrived) const
    {
        if (Window) PostMessageA(Window, ChangeMessage, arrived ? 1 : 0, 0);
    }
};
