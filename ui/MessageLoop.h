// Queued messages pass the PreTranslateMessage of their window and its parents, then the
// dialog keyboard handling of their top-level dialog, then translation and dispatch.
#pragma once

#include <windows.h>

// True when a window on the way up from msg.hwnd swallowed the message.
bool PreTranslate(MSG& msg);
void ProcessMessage(MSG& msg);
// Handles what is queued now, without waiting; false when WM_QUIT was among it (it is
// posted again for the outer loop).
bool PumpMessages();
// Runs until WM_QUIT or until done becomes true; returns the WM_QUIT code or 0.
int RunMessageLoop(const bool* done = nullptr);
