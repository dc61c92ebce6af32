// usbgate.dll: the link to the mouse. Monitor loads it by full path and binds these eleven
// functions by name; the names are exported undecorated in 32-bit and 64-bit builds.
// The environment variable USBGATE_BACKEND, as it stands when the library is loaded, picks the transport: "hid" (the default, the real
// mouse) or "virtual" (vmouse.exe over a named pipe). Every function returns at once, may be
// called from any thread, and returns 1 for success and 0 for failure.
#pragma once

#include <windows.h>

extern "C" {

using UsbGateSetVidPid = int(__cdecl*)(int vendorId, int productId);
// From this call on, dataMessage arrives for each event of the mouse (wParam = kind, low 16 bits
// of lParam = value) and changeMessage on arrival (wParam 1) and removal (wParam 0), posted.
using UsbGateOpenDevMonitor = int(__cdecl*)(HWND window, unsigned dataMessage, unsigned changeMessage);
using UsbGateOpen = int(__cdecl*)();  // Open_FeatureDevice; Open_ReportDevice: 1 = mouse present
using UsbGateClose = int(__cdecl*)();  // Close_FeatureDevice, Close_ReportDevice, Close_DevMonitor
// SetFeature (8 bytes) and WriteUSB (64 bytes) return once the mouse has the frame.
// GetFeature and ReadUSB read nothing back from this mouse and return 0.
using UsbGateTransfer = int(__cdecl*)(unsigned char* buffer, int length);

int __cdecl Set_VIDPID(int vendorId, int productId);
int __cdecl Open_DevMonitor(HWND window, unsigned dataMessage, unsigned changeMessage);
int __cdecl Open_FeatureDevice();
int __cdecl Open_ReportDevice();
int __cdecl SetFeature(unsigned char* buffer, int length);
int __cdecl WriteUSB(unsigned char* buffer, int length);
int __cdecl Close_FeatureDevice();
int __cdecl Close_ReportDevice();
int __cdecl Close_DevMonitor();
int __cdecl GetFeature(unsigned char* buffer, int length);
int __cdecl ReadUSB(unsigned char* buffer, int length);
}
