// Waiting for overlapped I/O with a time limit and a stop event, cancelling what did not finish.
#pragma once

#include <windows.h>

// Waits for I/O started on `file` with ov (its hEvent set; `started` is what ReadFile or
// WriteFile returned) to finish, for stopEvent (may be null) or for timeoutMs. Cancels the I/O
// when it did not finish. Returns the bytes moved, or -1; `stopped` tells whether stopEvent
// ended the wait.
long FinishOverlapped(HANDLE file, OVERLAPPED& ov, BOOL started, HANDLE stopEvent, DWORD timeoutMs, bool& stopped);
