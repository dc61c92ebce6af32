// The virtual mouse's end of the pipe: one PC at a time. Each frame it sends is handed to the
// frame handler and acknowledged with what the handler answered; a new connection first hears
// whether the mouse is plugged.
#pragma once

#include <windows.h>

#include <functional>
#include <memory>
#include <mutex>
#include <thread>

#include "PipeChannel.h"

class PipeServer {
public:
    using FrameHandler = std::function<bool(PipeMessageType type, const uint8_t* data, size_t size)>;

    PipeServer(FrameHandler onFrame, std::function<bool()> plugged);
    ~PipeServer();
    PipeServer(const PipeServer&) = delete;
    PipeServer& operator=(const PipeServer&) = delete;

    // Creates the pipe, so that a PC can connect as soon as this returns, and starts serving.
    // False when another virtual mouse has the pipe.
    bool Start();
    // To the connected PC, if any.
    void Send(const PipeMessage& message);

private:
    static UniqueFile CreateInstance(bool first);
    void Run(UniqueFile pipe);
    // Waits for a PC on the pipe; false when stopped.
    bool WaitForClient(HANDLE pipe);

    FrameHandler m_onFrame;
    std::function<bool()> m_plugged;
    std::mutex m_mutex;  // m_client, and the order of what is sent to it
    std::shared_ptr<PipeChannel> m_client;
    UniqueHandle m_stop;
    std::thread m_thread;
};
