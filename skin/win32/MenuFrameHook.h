// A flat three-pixel frame (orange, black, black) around every popup menu window of the
// thread that installs the hook, instead of the system's raised border.
#pragma once

#include <windows.h>

// Installs the hook for the current thread; a second call does nothing.
void InstallMenuFrameHook();
// Restores every framed menu window and removes the hook.
void RemoveMenuFrameHook();
// Whether a menu window currently carries our frame procedure.
bool IsMenuFramed(HWND menuWindow);
