#include "PipeChannel.h"

#include "DebugLog.h"

namespace {

constexpr DWORD kSendTimeoutMs = 5000;

UniqueHandle NewEvent() { return UniqueHandle(CreateEventA(nullptr, TRUE, FALSE, nullptr)); }

}  // namespace

PipeChannel::PipeChannel(UniqueFile pipe) : m_pipe(std::move(pipe)), m_sendDone(NewEvent()), m_receiveDone(NewEvent()) {}

std::unique_ptr<PipeChannel> PipeChannel::Connect(const char* pipeName)
{
    UniqueFile pipe(CreateFileA(pipeName, GENERIC_READ | GENERIC_WRITE, 0, nullptr, OPEN_EXISTING,
                                FILE_FLAG_OVERLAPPED | SECURITY_SQOS_PRESENT | SECURITY_IDENTIFICATION, nullptr));
    if (!pipe) return nullptr;
    return std::make_unique<PipeChannel>(std::move(pipe));
}

bool PipeChannel::Send(const PipeMessage& message)
{
    std::lock_guard lock(m_sendMutex);
    if (!m_pipe || !m_sendDone) return false;
    PipeMessageBytes bytes = ToBytes(message);
    OVERLAPPED ov{};
    ov.hEvent = m_sendDone.get();
    ResetEvent(ov.hEvent);
    const BOOL started = WriteFile(m_pipe.get(), bytes.data(), static_cast<DWORD>(bytes.size()), nullptr, &ov);
    bool stopped = false;
    return FinishOverlapped(m_pipe.get(), ov, started, nullptr, kSendTimeoutMs, stopped) ==
           static_cast<long>(bytes.size());
}

PipeReceive PipeChannel::Receive(PipeMessage& message, HANDLE stopEvent)
{
    if (!m_pipe || !m_receiveDone) return PipeReceive::Broken;
    for (;;) {
        PipeMessageBytes bytes{};
        size_t have = 0;
        while (have < bytes.size()) {
            OVERLAPPED ov{};
            ov.hEvent = m_receiveDone.get();
            ResetEvent(ov.hEvent);
            const BOOL started = ReadFile(m_pipe.get(), bytes.data() + have, static_cast<DWORD>(bytes.size() - have),
                                          nullptr, &ov);
            bool stopped = false;
            const long moved = FinishOverlapped(m_pipe.get(), ov, started, stopEvent, INFINITE, stopped);
            if (stopped) return PipeReceive::Stopped;
            if (moved <= 0) return PipeReceive::Broken;
            have += static_cast<size_t>(moved);
        }
        if (auto decoded = DecodePipeMessage(bytes.data(), bytes.size())) {
            message = *decoded;
            return PipeReceive::Message;
        }
        DebugLog("PipeChannel: malformed message (type %u, length %u) skipped\n", bytes[0], bytes[1]);
    }
}
