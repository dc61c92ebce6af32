#include "VirtualBackend.h"

#include "DebugLog.h"

namespace {

// How long Open_DevMonitor waits for a running vmouse to answer, and a frame for its
// acknowledgement: generous, since vmouse answers at once when it is there at all.
constexpr auto kFirstLookTimeout = std::chrono::milliseconds(2000);
constexpr auto kAckTimeout = std::chrono::milliseconds(3000);
// How often a missing vmouse is looked for.
constexpr DWORD kRetryMs = 200;

}  // namespace

bool VirtualBackend::OpenMonitor(HWND window, UINT dataMessage, UINT changeMessage)
{
    CloseMonitor();
    {
        std::lock_guard lock(m_mutex);
        m_target = {window, dataMessage, changeMessage};
        m_firstLook = false;
    }
    if (!m_watcher.Start([this](HANDLE stop) { Watch(stop); })) return false;
    std::unique_lock lock(m_mutex);
    m_changed.wait_for(lock, kFirstLookTimeout, [this] { return m_firstLook; });
    m_told = PresentLocked();
    m_reporting = true;
    return true;
}

void VirtualBackend::CloseMonitor()
{
    {
        std::lock_guard lock(m_mutex);
        m_reporting = false;  // closing is no removal
    }
    m_watcher.Stop();
    std::lock_guard lock(m_mutex);
    m_target = {};
    m_channel.reset();
    m_plugged = m_reporting = m_told = m_featureOpen = m_reportOpen = false;
    m_changed.notify_all();
}

bool VirtualBackend::OpenFeature()
{
    std::lock_guard lock(m_mutex);
    return m_featureOpen = PresentLocked();
}

void VirtualBackend::CloseFeature()
{
    std::lock_guard lock(m_mutex);
    m_featureOpen = false;
}

bool VirtualBackend::OpenReport()
{
    std::lock_guard lock(m_mutex);
    return m_reportOpen = PresentLocked();
}

void VirtualBackend::CloseReport()
{
    std::lock_guard lock(m_mutex);
    m_reportOpen = false;
}

bool VirtualBackend::SendCommand(const uint8_t* report, size_t size)
{
    return SendFrame(PipeMessageType::Command, report, size, true);
}

bool VirtualBackend::SendChunk(const uint8_t* chunk, size_t size)
{
    return SendFrame(PipeMessageType::Chunk, chunk, size, false);
}

bool VirtualBackend::SendFrame(PipeMessageType type, const uint8_t* data, size_t size, bool feature)
{
    std::lock_guard sending(m_sendMutex);
    std::shared_ptr<PipeChannel> channel;
    uint16_t sequence = 0;
    {
        std::lock_guard lock(m_mutex);
        if (!PresentLocked() || !(feature ? m_featureOpen : m_reportOpen)) return false;
        channel = m_channel;
        sequence = m_nextSequence++;
        m_ack.reset();
    }
    const auto message = MakeFrameMessage(type, sequence, data, size);
    if (!message) return false;
    if (!channel->Send(*message)) return false;
    std::unique_lock lock(m_mutex);
    const bool answered = m_changed.wait_for(lock, kAckTimeout, [&] {
        return (m_ack && m_ack->first == sequence) || m_channel != channel;
    });
    if (!answered) DebugLog("usbgate: no acknowledgement from the virtual mouse\n");
    return answered && m_ack && m_ack->first == sequence && m_ack->second;
}

void VirtualBackend::Watch(HANDLE stopEvent)
{
    for (;;) {
        std::shared_ptr<PipeChannel> channel = PipeChannel::Connect(kVirtualMousePipeName);
        if (channel && Serve(channel, stopEvent)) return;
        {
            std::lock_guard lock(m_mutex);
            m_firstLook = true;
            m_changed.notify_all();
        }
        if (WaitForSingleObject(stopEvent, kRetryMs) == WAIT_OBJECT_0) return;
    }
}

bool VirtualBackend::Serve(const std::shared_ptr<PipeChannel>& channel, HANDLE stopEvent)
{
    {
        std::lock_guard lock(m_mutex);
        m_channel = channel;
        m_plugged = false;
    }
    PipeMessage message;
    PipeReceive received;
    while ((received = channel->Receive(message, stopEvent)) == PipeReceive::Message) {
        switch (static_cast<PipeMessageType>(message.Type)) {
        case PipeMessageType::Plug:
            SetPresent(true, message.Data[0] != 0);
            break;
        case PipeMessageType::Event: {
            std::lock_guard lock(m_mutex);
            if (m_plugged) m_target.PostEvent(EventKindOf(message), EventValueOf(message));
            break;
        }
        case PipeMessageType::Ack: {
            std::lock_guard lock(m_mutex);
            m_ack = std::make_pair(MessageSequence(message), message.Data[0] != 0);
            m_changed.notify_all();
            break;
        }
        default:
            DebugLog("usbgate: unexpected message type %u from the virtual mouse\n", message.Type);
        }
    }
    SetPresent(false, false);
    return received == PipeReceive::Stopped;
}

void VirtualBackend::SetPresent(bool connected, bool plugged)
{
    std::lock_guard lock(m_mutex);
    if (!connected) m_channel.reset();
    m_plugged = plugged;
    const bool present = PresentLocked();
    // A removed mouse's handles are gone: the caller opens them again after the next arrival.
    if (!present) m_featureOpen = m_reportOpen = false;
    if (connected) m_firstLook = true;  // vmouse has said whether it is plugged
    if (m_reporting && present != m_told) {
        m_told = present;
        m_target.PostChange(present);
    }
    m_changed.notify_all();
}
