#include "OverlappedWait.h"

long FinishOverlapped(HANDLE file, OVERLAPPED& ov, BOOL started, HANDLE stopEvent, DWORD timeoutMs, bool& stopped)
{
    stopped = false;
    if (!started && GetLastError() != ERROR_IO_PENDING) return -1;
    HANDLE handles[2] = {ov.hEvent, stopEvent};
    const DWORD waited = WaitForMultipleObjects(stopEvent ? 2 : 1, handles, FALSE, timeoutMs);
    DWORD moved = 0;
    if (waited != WAIT_OBJECT_0) {
        CancelIoEx(file, &ov);
        GetOverlappedResult(file, &ov, &moved, TRUE);
        stopped = waited == WAIT_OBJECT_0 + 1;
        return -1;
    }
    if (!GetOverlappedResult(file, &ov, &moved, FALSE)) return -1;
    return static_cast<long>(moved);
}
