#include "SendInputSink.h"

#include "DebugLog.h"

void SendInputSink::Send(const INPUT* inputs, UINT count)
{
    if (count == 0) return;
    const UINT sent = SendInput(count, const_cast<INPUT*>(inputs), sizeof(INPUT));
    // Another desktop (a locked session, an elevated foreground window) blocks injection.
    if (sent != count) DebugLog("SendInput: %u of %u inputs sent (error %lu)\n", sent, count, GetLastError());
}
