#include "PipeServer.h"

#include "DebugLog.h"

namespace {

constexpr DWORD kBufferSize = 16 * sizeof(PipeMessage);
constexpr DWORD kRetryMs = 200;

}  // namespace

PipeServer::PipeServer(FrameHandler onFrame, std::function<bool()> plugged)
    : m_onFrame(std::move(onFrame)), m_plugged(std::move(plugged)), m_stop(CreateEventA(nullptr, TRUE, FALSE, nullptr))
{
}

PipeServer::~PipeServer()
{
    if (m_stop) SetEvent(m_stop.get());
    if (m_thread.joinable()) m_thread.join();
}

UniqueFile PipeServer::CreateInstance(bool first)
{
    const DWORD openMode = PIPE_ACCESS_DUPLEX | FILE_FLAG_OVERLAPPED | (first ? FILE_FLAG_FIRST_PIPE_INSTANCE : 0);
    return UniqueFile(CreateNamedPipeA(kVirtualMousePipeName, openMode,
                                       PIPE_TYPE_BYTE | PIPE_READMODE_BYTE | PIPE_WAIT | PIPE_REJECT_REMOTE_CLIENTS,
                                       1, kBufferSize, kBufferSize, 0, nullptr));
}

bool PipeServer::Start()
{
    UniqueFile pipe = CreateInstance(true);
    if (!pipe || !m_stop) {
        DebugLog("vmouse: the pipe cannot be created (error %lu)\n", GetLastError());
        return false;
    }
    m_thread = std::thread([this, p = std::make_shared<UniqueFile>(std::move(pipe))] { Run(std::move(*p)); });
    return true;
}

void PipeServer::Send(const PipeMessage& message)
{
    std::lock_guard lock(m_mutex);
    if (m_client) m_client->Send(message);
}

bool PipeServer::WaitForClient(HANDLE pipe)
{
    UniqueHandle connected(CreateEventA(nullptr, TRUE, FALSE, nullptr));
    OVERLAPPED ov{};
    ov.hEvent = connected.get();
    if (ConnectNamedPipe(pipe, &ov)) return true;
    const DWORD error = GetLastError();
    if (error == ERROR_PIPE_CONNECTED) return true;
    if (error != ERROR_IO_PENDING) {
        DebugLog("vmouse: no connection on the pipe (error %lu)\n", error);
        WaitForSingleObject(m_stop.get(), kRetryMs);
        return false;
    }
    bool stopped = false;
    return FinishOverlapped(pipe, ov, FALSE, m_stop.get(), INFINITE, stopped) >= 0;
}

void PipeServer::Run(UniqueFile pipe)
{
    for (;;) {
        while (!pipe) {
            if (WaitForSingleObject(m_stop.get(), kRetryMs) == WAIT_OBJECT_0) return;
            pipe = CreateInstance(false);
        }
        if (!WaitForClient(pipe.get())) {
            if (WaitForSingleObject(m_stop.get(), 0) == WAIT_OBJECT_0) return;
            pipe.reset();
            continue;
        }
        auto channel = std::make_shared<PipeChannel>(std::move(pipe));
        {
            std::lock_guard lock(m_mutex);
            m_client = channel;
            channel->Send(MakePlugMessage(m_plugged()));
        }
        PipeMessage message;
        PipeReceive received;
        while ((received = channel->Receive(message, m_stop.get())) == PipeReceive::Message) {
            const auto type = static_cast<PipeMessageType>(message.Type);
            if (type != PipeMessageType::Command && type != PipeMessageType::Chunk) continue;
            const bool taken = m_onFrame(type, message.Data, message.Length);
            channel->Send(MakeAckMessage(MessageSequence(message), taken));
        }
        {
            std::lock_guard lock(m_mutex);
            m_client.reset();
        }
        if (received == PipeReceive::Stopped) return;
    }
}
