// The binding of usbgate.dll: loaded by full path from the exe dir, its eleven functions looked
// up by name. Monitor uses the device only when every one of them was found.
#pragma once

#include <string>

#include "UniqueResource.h"
#include "UsbGate.h"

class DeviceLibrary {
public:
    // false (and nothing bound) when the library or one of its functions is missing; the
    // reason goes to the log.
    bool Bind(const std::string& folder);
    bool IsBound() const { return m_bound; }
    void Free();

    UsbGateSetVidPid SetVidPid = nullptr;
    UsbGateOpenDevMonitor OpenDevMonitor = nullptr;
    UsbGateOpen OpenFeatureDevice = nullptr;
    UsbGateOpen OpenReportDevice = nullptr;
    UsbGateTransfer SetFeature = nullptr;
    UsbGateTransfer WriteUSB = nullptr;
    UsbGateClose CloseFeatureDevice = nullptr;
    UsbGateClose CloseReportDevice = nullptr;
    UsbGateClose CloseDevMonitor = nullptr;
    UsbGateTransfer GetFeature = nullptr;
    UsbGateTransfer ReadUSB = nullptr;

private:
    void Unbind();
    UniqueModule m_module;
    bool m_bound = false;
};
