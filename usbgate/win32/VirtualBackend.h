// usbgate.dll's transport to vmouse.exe: the calls travel over the virtual mouse's pipe. The
// mouse counts as present while the pipe is connected and vmouse says it is plugged; a vmouse
// that starts later, unplugs, replugs or quits is reported like a real mouse's arrival and removal.
#pragma once

#include <condition_variable>
#include <memory>
#include <mutex>
#include <optional>

#include "GateThread.h"
#include "MessageTarget.h"
#include "PipeChannel.h"
#include "UsbGateBackend.h"

class VirtualBackend : public UsbGateBackend {
public:
    void SetVidPid(uint16_t, uint16_t) override {}
    bool OpenMonitor(HWND window, UINT dataMessage, UINT changeMessage) override;
    void CloseMonitor() override;
    bool OpenFeature() override;
    void CloseFeature() override;
    bool OpenReport() override;
    void CloseReport() override;
    bool SendCommand(const uint8_t* report, size_t size) override;
    bool SendChunk(const uint8_t* chunk, size_t size) override;

private:
    void Watch(HANDLE stopEvent);
    // Reads one connection's messages until it breaks or the monitor stops; true on stop.
    bool Serve(const std::shared_ptr<PipeChannel>& channel, HANDLE stopEvent);
    void SetPresent(bool connected, bool plugged);
    bool SendFrame(PipeMessageType type, const uint8_t* data, size_t size, bool opened);
    bool PresentLocked() const { return m_channel && m_plugged; }

    std::mutex m_sendMutex;  // one frame at a time, so that each waits for its own acknowledgement
    std::mutex m_mutex;
    std::condition_variable m_changed;  // a connection's state or an acknowledgement came in
    MessageTarget m_target;
    std::shared_ptr<PipeChannel> m_channel;
    bool m_plugged = false;
    bool m_firstLook = false;   // the watcher has made its first attempt to connect
    bool m_reporting = false;   // Open_DevMonitor has returned: changes are posted
    bool m_told = false;        // present as the caller last learned it
    bool m_featureOpen = false;
    bool m_reportOpen = false;
    uint16_t m_nextSequence = 1;
    std::optional<std::pair<uint16_t, bool>> m_ack;
    GateThread m_watcher;
};
