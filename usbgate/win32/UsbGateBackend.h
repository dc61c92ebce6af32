// What the exported functions of usbgate.dll hand their calls to: one transport to the mouse.
#pragma once

#include <windows.h>

#include <cstdint>

class UsbGateBackend {
public:
    virtual ~UsbGateBackend() = default;

    virtual void SetVidPid(uint16_t vendorId, uint16_t productId) = 0;
    // Starts watching for the mouse and its events; a mouse present now is not reported as an
    // arrival, only later changes are.
    virtual bool OpenMonitor(HWND window, UINT dataMessage, UINT changeMessage) = 0;
    virtual void CloseMonitor() = 0;
    virtual bool OpenFeature() = 0;
    virtual void CloseFeature() = 0;
    virtual bool OpenReport() = 0;
    virtual void CloseReport() = 0;
    // Return once the mouse has the frame; false when it is absent, not opened or refused it.
    virtual bool SendCommand(const uint8_t* report, size_t size) = 0;
    virtual bool SendChunk(const uint8_t* chunk, size_t size) = 0;
};
