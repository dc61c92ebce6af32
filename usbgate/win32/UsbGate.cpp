// The eleven exported functions: each hands its call to the transport that USBGATE_BACKEND
// chose when the library was loaded.
#include "UsbGate.h"

#include <cstring>

#include "DebugLog.h"
#include "HidBackend.h"
#include "VirtualBackend.h"

namespace {

// Read when the library is loaded, as the caller's environment then stands.
bool ChooseVirtual()
{
    // The process environment, not the C runtime's copy, which misses later changes.
    char chosen[16] = "";
    const DWORD length = GetEnvironmentVariableA("USBGATE_BACKEND", chosen, sizeof chosen);
    if (length >= sizeof chosen) chosen[0] = '\0';  // too long to be a backend's name
    if (chosen[0] && std::strcmp(chosen, "hid") != 0 && std::strcmp(chosen, "virtual") != 0)
        DebugLog("usbgate: unknown USBGATE_BACKEND \"%s\", using hid\n", chosen);
    return std::strcmp(chosen, "virtual") == 0;
}

const bool g_virtual = ChooseVirtual();

UsbGateBackend* CreateBackend()
{
    if (!g_virtual) return new HidBackend;
    DebugLog("usbgate: virtual mouse\n");
    return new VirtualBackend;
}

// Never destroyed: a destructor would run while the library unloads, under the loader lock,
// where waiting for the library's threads could hang the process.
UsbGateBackend& Backend()
{
    static UsbGateBackend* const backend = CreateBackend();
    return *backend;
}

int Result(bool ok) { return ok ? 1 : 0; }

size_t Length(int length) { return length > 0 ? static_cast<size_t>(length) : 0; }

}  // namespace

extern "C" {

int __cdecl Set_VIDPID(int vendorId, int productId)
{
    Backend().SetVidPid(static_cast<uint16_t>(vendorId), static_cast<uint16_t>(productId));
    return 1;
}

int __cdecl Open_DevMonitor(HWND window, unsigned dataMessage, unsigned changeMessage)
{
    return Result(Backend().OpenMonitor(window, dataMessage, changeMessage));
}

int __cdecl Open_FeatureDevice() { return Result(Backend().OpenFeature()); }
int __cdecl Open_ReportDevice() { return Result(Backend().OpenReport()); }

int __cdecl SetFeature(unsigned char* buffer, int length) { return Result(Backend().SendCommand(buffer, Length(length))); }
int __cdecl WriteUSB(unsigned char* buffer, int length) { return Result(Backend().SendChunk(buffer, Length(length))); }

int __cdecl Close_FeatureDevice()
{
    Backend().CloseFeature();
    return 1;
}

int __cdecl Close_ReportDevice()
{
    Backend().CloseReport();
    return 1;
}

int __cdecl Close_DevMonitor()
{
    Backend().CloseMonitor();
    return 1;
}

// Nothing is read back from this mouse.
int __cdecl GetFeature(unsigned char*, int) { return 0; }
int __cdecl ReadUSB(unsigned char*, int) { return 0; }
}
