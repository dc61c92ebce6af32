// usbgate.dll's transport to the real mouse through the Windows HID API: the mouse's
// vendor-defined interface carries command reports as feature reports, chunks as output
// reports and events as input reports (HidFraming.h), read on a thread of the library that
// also follows arrival and removal through device notifications.
#pragma once

#include <memory>
#include <mutex>

#include "GateThread.h"
#include "HidFraming.h"
#include "MessageTarget.h"
#include "UniqueResource.h"
#include "UsbGateBackend.h"

class HidBackend : public UsbGateBackend {
public:
    void SetVidPid(uint16_t vendorId, uint16_t productId) override;
    bool OpenMonitor(HWND window, UINT dataMessage, UINT changeMessage) override;
    void CloseMonitor() override;
    bool OpenFeature() override;
    void CloseFeature() override;
    bool OpenReport() override;
    void CloseReport() override;
    bool SendCommand(const uint8_t* report, size_t size) override;
    bool SendChunk(const uint8_t* chunk, size_t size) override;

private:
    struct Device {
        UniqueFile File;  // overlapped, read and write
        size_t FeatureLength;
        size_t OutputLength;
        size_t InputLength;
    };

    // The mouse's interface, opened; null when the mouse is absent. Shared so that a close on
    // the window thread never pulls a handle from under a transfer on another thread.
    std::shared_ptr<Device> OpenDevice() const;
    void Watch(HANDLE stopEvent, MessageTarget target, std::shared_ptr<Device> reader);

    mutable std::mutex m_mutex;
    uint16_t m_vendorId = kMouseVendorId;
    uint16_t m_productId = kMouseProductId;
    std::shared_ptr<Device> m_feature;
    std::shared_ptr<Device> m_report;
    GateThread m_watcher;
};
