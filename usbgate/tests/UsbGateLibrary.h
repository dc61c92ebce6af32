// usbgate.dll loaded by full path from the test folder with a chosen backend, its eleven
// functions bound by name, and a window that collects what the library posts.
#pragma once

#include <windows.h>

#include <chrono>
#include <optional>
#include <string>

#include "ProgramFolder.h"
#include "UniqueResource.h"
#include "UsbGate.h"

constexpr UINT kDataMessage = 1325;
constexpr UINT kChangeMessage = 1326;

struct UsbGateLibrary {
    explicit UsbGateLibrary(const char* backend)
    {
        SetEnvironmentVariableA("USBGATE_BACKEND", backend);
        Module.reset(LoadLibraryA((GetProgramFolder() + "usbgate.dll").c_str()));
        SetEnvironmentVariableA("USBGATE_BACKEND", nullptr);
        if (!Module) return;
        Bound = Bind(SetVidPid, "Set_VIDPID") & Bind(OpenDevMonitor, "Open_DevMonitor") &
                Bind(OpenFeatureDevice, "Open_FeatureDevice") & Bind(OpenReportDevice, "Open_ReportDevice") &
                Bind(SetFeature, "SetFeature") & Bind(WriteUsb, "WriteUSB") &
                Bind(CloseFeatureDevice, "Close_FeatureDevice") & Bind(CloseReportDevice, "Close_ReportDevice") &
                Bind(CloseDevMonitor, "Close_DevMonitor") & Bind(GetFeature, "GetFeature") & Bind(ReadUsb, "ReadUSB");
    }

    template <typename F>
    bool Bind(F& function, const char* name)
    {
        function = reinterpret_cast<F>(reinterpret_cast<void*>(GetProcAddress(Module.get(), name)));
        return function != nullptr;
    }

    UniqueModule Module;
    bool Bound = false;
    UsbGateSetVidPid SetVidPid = nullptr;
    UsbGateOpenDevMonitor OpenDevMonitor = nullptr;
    UsbGateOpen OpenFeatureDevice = nullptr;
    UsbGateOpen OpenReportDevice = nullptr;
    UsbGateTransfer SetFeature = nullptr;
    UsbGateTransfer WriteUsb = nullptr;
    UsbGateClose CloseFeatureDevice = nullptr;
    UsbGateClose CloseReportDevice = nullptr;
    UsbGateClose CloseDevMonitor = nullptr;
    UsbGateTransfer GetFeature = nullptr;
    UsbGateTransfer ReadUsb = nullptr;
};

// A message-only window whose posted messages the test takes from the queue itself.
class MessageSink {
public:
    MessageSink() : m_window(CreateWindowExA(0, "STATIC", "", 0, 0, 0, 0, 0, HWND_MESSAGE, nullptr, nullptr, nullptr)) {}
    ~MessageSink()
    {
        if (m_window) DestroyWindow(m_window);
    }
    MessageSink(const MessageSink&) = delete;
    MessageSink& operator=(const MessageSink&) = delete;

    HWND Handle() const { return m_window; }

    // The next message `message` posted to the window, within timeoutMs.
    std::optional<MSG> Next(UINT message, DWORD timeoutMs = 10000)
    {
        const auto end = std::chrono::steady_clock::now() + std::chrono::milliseconds(timeoutMs);
        for (;;) {
            MSG msg;
            if (PeekMessageA(&msg, m_window, message, message, PM_REMOVE)) return msg;
            if (std::chrono::steady_clock::now() >= end) return std::nullopt;
            MsgWaitForMultipleObjects(0, nullptr, FALSE, 50, QS_POSTMESSAGE);
        }
    }

private:
    HWND m_window;
};
