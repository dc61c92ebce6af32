#include "DeviceLibrary.h"

#include "DebugLog.h"

namespace {

template <typename T>
bool Lookup(HMODULE module, const char* name, T* function)
{
    *function = reinterpret_cast<T>(reinterpret_cast<void*>(GetProcAddress(module, name)));
    if (!*function) DebugLog("CMonitorWnd: usbgate.dll has no function %s\n", name);
    return *function != nullptr;
}

}  // namespace

bool DeviceLibrary::Bind(const std::string& folder)
{
    Free();
    const std::string path = folder + "usbgate.dll";
    m_module.reset(LoadLibraryExA(path.c_str(), nullptr, LOAD_WITH_ALTERED_SEARCH_PATH));
    if (!m_module) {
        DebugLog("CMonitorWnd: cannot load %s (%lu); running without the mouse\n", path.c_str(), GetLastError());
        return false;
    }
    HMODULE m = m_module.get();
    // Every lookup runs, so that the log names every missing function.
    bool all = Lookup(m, "Set_VIDPID", &SetVidPid);
    all &= Lookup(m, "Open_DevMonitor", &OpenDevMonitor);
    all &= Lookup(m, "Open_FeatureDevice", &OpenFeatureDevice);
    all &= Lookup(m, "Open_ReportDevice", &OpenReportDevice);
    all &= Lookup(m, "SetFeature", &SetFeature);
    all &= Lookup(m, "WriteUSB", &WriteUSB);
    all &= Lookup(m, "Close_FeatureDevice", &CloseFeatureDevice);
    all &= Lookup(m, "Close_ReportDevice", &CloseReportDevice);
    all &= Lookup(m, "Close_DevMonitor", &CloseDevMonitor);
    all &= Lookup(m, "GetFeature", &GetFeature);
    all &= Lookup(m, "ReadUSB", &ReadUSB);
    if (!all) {
        DebugLog("CMonitorWnd: %s is incomplete; running without the mouse\n", path.c_str());
        Free();
        return false;
    }
    m_bound = true;
    return true;
}

void DeviceLibrary::Unbind()
{
    SetVidPid = nullptr;
    OpenDevMonitor = nullptr;
    OpenFeatureDevice = OpenReportDevice = nullptr;
    SetFeature = WriteUSB = GetFeature = ReadUSB = nullptr;
    CloseFeatureDevice = CloseReportDevice = CloseDevMonitor = nullptr;
    m_bound = false;
}

void DeviceLibrary::Free()
{
    Unbind();
    m_module.reset();
}
