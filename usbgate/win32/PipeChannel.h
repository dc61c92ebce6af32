// One end of the virtual mouse's pipe, opened for overlapped I/O so that one thread can wait
// for the next message while others send (a handle without overlapped I/O would make every
// send wait for the pending read). Used by usbgate.dll and by vmouse.exe.
#pragma once

#include <windows.h>

#include <memory>
#include <mutex>

#include "OverlappedWait.h"
#include "PipeMessage.h"
#include "UniqueResource.h"

enum class PipeReceive { Message, Stopped, Broken };

class PipeChannel {
public:
    explicit PipeChannel(UniqueFile pipe);

    // The client end of the named pipe; null when no server listens or all its instances are busy.
    static std::unique_ptr<PipeChannel> Connect(const char* pipeName);

    // Any thread, one message at a time; false when the pipe is broken or the peer reads nothing
    // for five seconds.
    bool Send(const PipeMessage& message);
    // One reader at a time: the next well-formed message (others are logged and skipped),
    // Stopped once stopEvent is set, Broken when the peer has gone.
    PipeReceive Receive(PipeMessage& message, HANDLE stopEvent);

    HANDLE Handle() const { return m_pipe.get(); }

private:
    UniqueFile m_pipe;
    std::mutex m_sendMutex;
    UniqueHandle m_sendDone;
    UniqueHandle m_receiveDone;
};
