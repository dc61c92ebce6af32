#include "HidBackend.h"

#include <dbt.h>
#include <setupapi.h>

extern "C" {
#include <hidsdi.h>
}

#include <string>
#include <vector>

#include "DebugLog.h"
#include "OverlappedWait.h"

namespace {

constexpr DWORD kWriteTimeoutMs = 1000;
const char kWatchClass[] = "UsbGateDeviceWatch";

struct DeviceInfoSetTraits {
    using Type = HDEVINFO;
    static HDEVINFO Invalid() { return INVALID_HANDLE_VALUE; }
    static bool Valid(HDEVINFO h) { return h != INVALID_HANDLE_VALUE && h != nullptr; }
    static void Close(HDEVINFO h) { SetupDiDestroyDeviceInfoList(h); }
};
using UniqueDeviceInfoSet = UniqueResource<DeviceInfoSetTraits>;

struct FreePreparsed { void operator()(PHIDP_PREPARSED_DATA p) const { HidD_FreePreparsedData(p); } };
using UniquePreparsed = UniqueResource<NullIsInvalid<PHIDP_PREPARSED_DATA, FreePreparsed>>;

struct DestroyWindowHandle { void operator()(HWND h) const { DestroyWindow(h); } };
using UniqueWindow = UniqueResource<NullIsInvalid<HWND, DestroyWindowHandle>>;

struct UnregisterNotification { void operator()(HDEVNOTIFY h) const { UnregisterDeviceNotification(h); } };
using UniqueNotification = UniqueResource<NullIsInvalid<HDEVNOTIFY, UnregisterNotification>>;

struct HidPath {
    std::string Path;
    HidInterfaceInfo Info;
};

std::vector<HidPath> ListHidInterfaces()
{
    GUID hidGuid;
    HidD_GetHidGuid(&hidGuid);
    UniqueDeviceInfoSet set(SetupDiGetClassDevsA(&hidGuid, nullptr, nullptr, DIGCF_PRESENT | DIGCF_DEVICEINTERFACE));
    std::vector<HidPath> found;
    if (!set) return found;
    for (DWORD i = 0;; ++i) {
        SP_DEVICE_INTERFACE_DATA data{};
        data.cbSize = sizeof data;
        if (!SetupDiEnumDeviceInterfaces(set.get(), nullptr, &hidGuid, i, &data)) break;
        DWORD needed = 0;
        SetupDiGetDeviceInterfaceDetailA(set.get(), &data, nullptr, 0, &needed, nullptr);
        if (needed < sizeof(SP_DEVICE_INTERFACE_DETAIL_DATA_A)) continue;
        std::vector<DWORD> buffer((needed + sizeof(DWORD) - 1) / sizeof(DWORD) + 1);  // DWORD-aligned
        auto* detail = reinterpret_cast<SP_DEVICE_INTERFACE_DETAIL_DATA_A*>(buffer.data());
        detail->cbSize = sizeof(SP_DEVICE_INTERFACE_DETAIL_DATA_A);
        if (!SetupDiGetDeviceInterfaceDetailA(set.get(), &data, detail, needed, nullptr, nullptr)) continue;
        // Access 0 suffices for attributes and capabilities, even on collections Windows holds.
        UniqueFile file(CreateFileA(detail->DevicePath, 0, FILE_SHARE_READ | FILE_SHARE_WRITE, nullptr,
                                    OPEN_EXISTING, 0, nullptr));
        if (!file) continue;
        HIDD_ATTRIBUTES attributes{};
        attributes.Size = sizeof attributes;
        if (!HidD_GetAttributes(file.get(), &attributes)) continue;
        PHIDP_PREPARSED_DATA raw = nullptr;
        if (!HidD_GetPreparsedData(file.get(), &raw)) continue;
        UniquePreparsed preparsed(raw);
        HIDP_CAPS caps{};
        if (HidP_GetCaps(preparsed.get(), &caps) != HIDP_STATUS_SUCCESS) continue;
        found.push_back({detail->DevicePath,
                         {attributes.VendorID, attributes.ProductID, caps.UsagePage, caps.FeatureReportByteLength,
                          caps.OutputReportByteLength, caps.InputReportByteLength}});
    }
    return found;
}

thread_local bool t_devicesChanged = false;

LRESULT CALLBACK WatchProcedure(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam)
{
    if (message == WM_DEVICECHANGE && (wParam == DBT_DEVICEARRIVAL || wParam == DBT_DEVICEREMOVECOMPLETE))
        t_devicesChanged = true;
    return DefWindowProcA(hwnd, message, wParam, lParam);
}

HINSTANCE LibraryInstance()
{
    HMODULE module = nullptr;
    GetModuleHandleExA(GET_MODULE_HANDLE_EX_FLAG_FROM_ADDRESS | GET_MODULE_HANDLE_EX_FLAG_UNCHANGED_REFCOUNT,
                       reinterpret_cast<LPCSTR>(&WatchProcedure), &module);
    return module;
}

// A message-only window that hears of HID interfaces coming and going.
UniqueWindow CreateWatchWindow()
{
    HINSTANCE instance = LibraryInstance();
    WNDCLASSEXA existing{};
    existing.cbSize = sizeof existing;
    if (!GetClassInfoExA(instance, kWatchClass, &existing)) {
        WNDCLASSEXA wc{};
        wc.cbSize = sizeof wc;
        wc.lpfnWndProc = &WatchProcedure;
        wc.hInstance = instance;
        wc.lpszClassName = kWatchClass;
        RegisterClassExA(&wc);
    }
    return UniqueWindow(CreateWindowExA(0, kWatchClass, "", 0, 0, 0, 0, 0, HWND_MESSAGE, nullptr, instance, nullptr));
}

}  // namespace

void HidBackend::SetVidPid(uint16_t vendorId, uint16_t productId)
{
    std::lock_guard lock(m_mutex);
    m_vendorId = vendorId;
    m_productId = productId;
}

std::shared_ptr<HidBackend::Device> HidBackend::OpenDevice() const
{
    uint16_t vendorId, productId;
    {
        std::lock_guard lock(m_mutex);
        vendorId = m_vendorId;
        productId = m_productId;
    }
    std::vector<HidPath> interfaces = ListHidInterfaces();
    std::vector<HidInterfaceInfo> infos;
    for (const HidPath& i : interfaces) infos.push_back(i.Info);
    const int chosen = SelectMouseInterface(infos, vendorId, productId);
    if (chosen < 0) return nullptr;
    const HidPath& path = interfaces[static_cast<size_t>(chosen)];
    UniqueFile file(CreateFileA(path.Path.c_str(), GENERIC_READ | GENERIC_WRITE, FILE_SHARE_READ | FILE_SHARE_WRITE,
                                nullptr, OPEN_EXISTING, FILE_FLAG_OVERLAPPED, nullptr));
    if (!file) {
        DebugLog("usbgate: the mouse's interface does not open (error %lu)\n", GetLastError());
        return nullptr;
    }
    return std::make_shared<Device>(Device{std::move(file), path.Info.FeatureReportLength,
                                           path.Info.OutputReportLength, path.Info.InputReportLength});
}

bool HidBackend::OpenMonitor(HWND window, UINT dataMessage, UINT changeMessage)
{
    CloseMonitor();
    std::shared_ptr<Device> reader = OpenDevice();
    const MessageTarget target{window, dataMessage, changeMessage};
    return m_watcher.Start([this, target, reader](HANDLE stop) { Watch(stop, target, reader); });
}

void HidBackend::CloseMonitor() { m_watcher.Stop(); }

bool HidBackend::OpenFeature()
{
    std::shared_ptr<Device> device = OpenDevice();
    std::lock_guard lock(m_mutex);
    m_feature = device;
    return device != nullptr;
}

void HidBackend::CloseFeature()
{
    std::lock_guard lock(m_mutex);
    m_feature.reset();
}

bool HidBackend::OpenReport()
{
    std::shared_ptr<Device> device = OpenDevice();
    std::lock_guard lock(m_mutex);
    m_report = device;
    return device != nullptr;
}

void HidBackend::CloseReport()
{
    std::lock_guard lock(m_mutex);
    m_report.reset();
}

bool HidBackend::SendCommand(const uint8_t* report, size_t size)
{
    std::shared_ptr<Device> device;
    {
        std::lock_guard lock(m_mutex);
        device = m_feature;
    }
    if (!device) return false;
    std::vector<uint8_t> framed = FrameOutgoing(HidOutgoing::Command, report, size, device->FeatureLength);
    if (framed.empty()) return false;
    return HidD_SetFeature(device->File.get(), framed.data(), static_cast<ULONG>(framed.size())) != FALSE;
}

bool HidBackend::SendChunk(const uint8_t* chunk, size_t size)
{
    std::shared_ptr<Device> device;
    {
        std::lock_guard lock(m_mutex);
        device = m_report;
    }
    if (!device) return false;
    std::vector<uint8_t> framed = FrameOutgoing(HidOutgoing::Chunk, chunk, size, device->OutputLength);
    UniqueHandle done(CreateEventA(nullptr, TRUE, FALSE, nullptr));
    if (framed.empty() || !done) return false;
    OVERLAPPED ov{};
    ov.hEvent = done.get();
    const BOOL started = WriteFile(device->File.get(), framed.data(), static_cast<DWORD>(framed.size()), nullptr, &ov);
    bool stopped = false;
    return FinishOverlapped(device->File.get(), ov, started, nullptr, kWriteTimeoutMs, stopped) ==
           static_cast<long>(framed.size());
}

void HidBackend::Watch(HANDLE stopEvent, MessageTarget target, std::shared_ptr<Device> reader)
{
    UniqueWindow window = CreateWatchWindow();
    UniqueNotification notification;
    if (window) {
        DEV_BROADCAST_DEVICEINTERFACE_A filter{};
        filter.dbcc_size = sizeof filter;
        filter.dbcc_devicetype = DBT_DEVTYP_DEVICEINTERFACE;
        HidD_GetHidGuid(&filter.dbcc_classguid);
        notification.reset(RegisterDeviceNotificationA(window.get(), &filter, DEVICE_NOTIFY_WINDOW_HANDLE));
    }
    if (!notification) DebugLog("usbgate: no device notifications (error %lu)\n", GetLastError());

    bool present = reader != nullptr;
    UniqueHandle readDone(CreateEventA(nullptr, TRUE, FALSE, nullptr));
    std::vector<uint8_t> input;
    OVERLAPPED ov{};
    bool reading = false;
    bool recheck = false;
    for (;;) {
        if (recheck) {
            recheck = false;
            if (!reader) reader = OpenDevice();
            if ((reader != nullptr) != present) {
                present = reader != nullptr;
                target.PostChange(present);
            }
        }
        if (reader && !reading && readDone) {
            input.assign(reader->InputLength, 0);
            ov = {};
            ov.hEvent = readDone.get();
            ResetEvent(ov.hEvent);
            const BOOL started = ReadFile(reader->File.get(), input.data(), static_cast<DWORD>(input.size()), nullptr, &ov);
            reading = started || GetLastError() == ERROR_IO_PENDING;
            if (!reading) {
                reader.reset();
                recheck = true;
                continue;
            }
        }
        HANDLE handles[2] = {stopEvent, readDone.get()};
        const DWORD woke = MsgWaitForMultipleObjects(reading ? 2 : 1, handles, FALSE, INFINITE, QS_ALLINPUT);
        if (woke == WAIT_OBJECT_0) break;
        if (reading && woke == WAIT_OBJECT_0 + 1) {
            reading = false;
            DWORD got = 0;
            if (GetOverlappedResult(reader->File.get(), &ov, &got, FALSE)) {
                if (auto event = ParseEventReport(input.data(), got)) target.PostEvent(event->Kind, event->Value);
            } else {
                reader.reset();  // the mouse has gone
                recheck = true;
            }
            continue;
        }
        MSG msg;
        while (PeekMessageA(&msg, nullptr, 0, 0, PM_REMOVE)) DispatchMessageA(&msg);
        if (t_devicesChanged) {
            t_devicesChanged = false;
            recheck = true;
        }
    }
    if (reading) {
        DWORD got = 0;
        CancelIoEx(reader->File.get(), &ov);
        GetOverlappedResult(reader->File.get(), &ov, &got, TRUE);
    }
}
