#include "CMonitorWnd.h"

#include <commctrl.h>
#include <objbase.h>
#include <shellapi.h>

#include <cstring>

#include "ActiveProfile.h"
#include "ButtonAction.h"
#include "CIniFile.h"
#include "ConfigFiles.h"
#include "DebugLog.h"
#include "DeviceEvent.h"
#include "ForegroundProgram.h"
#include "GameProfile.h"
#include "KeyInjector.h"
#include "MonitorActions.h"
#include "PointerApply.h"
#include "PointerSettings.h"
#include "ProcessLink.h"
#include "ProgramFolder.h"
#include "SettingChange.h"

namespace {

constexpr char kWindowClass[] = "KestrinVardoMonitorWnd";

constexpr UINT_PTR kTimerVolume = 101;
constexpr UINT_PTR kTimerRepeatKey = 102;
constexpr UINT_PTR kTimerForeground = 500;
constexpr UINT_PTR kTimerStartApply = 502;

constexpr int kVendorId = 0x2E5A;
constexpr int kProductId = 0x4B2D;

constexpr int kStateNotFound = static_cast<int>(DeviceState::NotFound);
constexpr int kStateAttached = static_cast<int>(DeviceState::Attached);
constexpr int kStateRemoved = static_cast<int>(DeviceState::Removed);

void Activate(HWND window)
{
    if (IsIconic(window)) ShowWindow(window, SW_RESTORE);
    SetForegroundWindow(window);
    SetActiveWindow(window);
}

void PostIfExists(const char* title, UINT message, WPARAM wParam = 0, LPARAM lParam = 0)
{
    if (HWND window = FindWindowA(nullptr, title)) PostMessageA(window, message, wParam, lParam);
}

}  // namespace

CMonitorWnd::CMonitorWnd(bool openOptionAtStart)
    : m_openOptionAtStart(openOptionAtStart),
      m_folder(GetProgramFolder()),
      m_configIni(ConfigIniPath(m_folder)),
      m_block(std::make_unique<SettingsBlock>()),
      m_notices(m_configIni)
{
}

CMonitorWnd::~CMonitorWnd() = default;

bool CMonitorWnd::CreateHidden()
{
    return Create(kWindowClass, kMonitorTitle, WS_POPUP, 0, 100, 100, 100, 100);
}

LRESULT CMonitorWnd::OnMessage(UINT message, WPARAM wParam, LPARAM lParam)
{
    switch (message) {
    case WM_CREATE:
        return OnCreate();
    case WM_DESTROY:
        OnDestroy();
        return 0;
    case WM_TIMER:
        OnTimer(wParam);
        return 0;
    case kMsgApplyAllSetting:
        return OnApplyAllSetting(wParam);
    case kMsgReloadSetting:
        OnReloadSetting();
        return 0;
    case kMsgReloadPointer:
        OnReloadPointer();
        return 0;
    case kMsgIgnored1274:
        return 0;
    case kMsgTrayNotify:
        OnSystrayNotify(lParam);
        return 0;
    case kMsgDeviceData:
        OnDeviceEvent(DataMessageEventCode(static_cast<uint32_t>(wParam), static_cast<uint32_t>(lParam)));
        return 0;
    case kMsgDeviceChange:
        OnDeviceEvent(DeviceChangeEventCode(static_cast<uint32_t>(wParam)));
        return 0;
    case WM_COPYDATA:
        return OnCopyData(reinterpret_cast<const COPYDATASTRUCT*>(lParam));
    case WM_COMMAND:
        if (LOWORD(wParam) == kCmdOpenOption) {
            OnCustomizer();
            return 0;
        }
        if (LOWORD(wParam) == kCmdExit) {
            PostMessageA(Handle(), WM_CLOSE, 0, 0);
            return 0;
        }
        break;
    default:
        if (message == m_taskbarCreated && m_taskbarCreated != 0) {
            m_tray.Restore();
            return 0;
        }
        break;
    }
    return Default(message, wParam, lParam);
}

LRESULT CMonitorWnd::OnCreate()
{
    m_comInitialised = SUCCEEDED(CoInitializeEx(nullptr, COINIT_APARTMENTTHREADED));
    INITCOMMONCONTROLSEX controls{sizeof controls, ICC_WIN95_CLASSES};
    InitCommonControlsEx(&controls);
    m_taskbarCreated = RegisterWindowMessageA("TaskbarCreated");

    if (!m_language.Load(m_folder)) DebugLog("CMonitorWnd: no %slingo.dll; the tray texts are empty\n", m_folder.c_str());
    m_mouseKey = UserRegistry().OpenOrCreate("Control Panel\\Mouse");
    m_device.Bind(m_folder);

    ClearSettingsBlock(m_block.get());
    if (!LoadAllSettings(m_block.get(), m_folder, UserRegistry())) SetAllDefaults(m_block.get());
    MakeBlockSafe(m_block.get());
    ReadNoticeSettings(&m_noticeSettings, m_folder);

    switch (m_shared.Create()) {
    case SharedBlock::CreateResult::MutexExists:
        DebugLog("CMonitorWnd: the block mutex exists already; another Monitor owns the block\n");
        return -1;
    case SharedBlock::CreateResult::NoMapping:
        break;
    case SharedBlock::CreateResult::Created:
        m_shared.Write(m_block.get());
        break;
    }

    m_actions = std::make_unique<MonitorActions>(Handle(), m_folder);
    m_actions->StartMacroThread();
    m_applyThread = std::make_unique<DeviceApplyThread>(
        m_device, m_deviceState, m_notices, [this](SettingsBlock* block, NoticeSettings* notices) {
            std::lock_guard<std::mutex> lock(m_blockLock);
            *block = *m_block;
            *notices = m_noticeSettings;
        });
    m_applyThread->Start();

    SetWindowLongPtrA(Handle(), GWL_EXSTYLE, WS_EX_TOOLWINDOW);

    char exe[MAX_PATH] = {};
    GetModuleFileNameA(nullptr, exe, MAX_PATH);
    HICON small = nullptr;
    ExtractIconExA(exe, 0, nullptr, &small, 1);
    m_icon.reset(small);

    if (OpenDevice()) {
        SetTimer(Handle(), kTimerStartApply, 200, nullptr);
        m_tray.Add(Handle(), m_icon.get(), m_language.Text(1004));
        if (m_openOptionAtStart) OnCustomizer();
        m_deviceState = kStateAttached;
    } else {
        m_deviceState = kStateNotFound;
    }
    WriteDeviceState();
    ApplyPointer();

    for (const char* companion : {"Herald.exe", "Applets\\SysGauge.exe", "Applets\\MailWatch.EXE"}) {
        const std::string path = m_folder + companion;
        if (FileExists(path)) ShellExecuteA(nullptr, "open", path.c_str(), nullptr, nullptr, SW_SHOW);
    }
    return 0;
}

void CMonitorWnd::OnDestroy()
{
    KillTimer(Handle(), kTimerForeground);
    KillTimer(Handle(), kTimerStartApply);
    PostIfExists(kOptionTitle, WM_CLOSE);
    m_notices.CloseNoticeProgram();
    for (const char* applet : kAppletTitles) PostIfExists(applet, WM_CLOSE);
    if (m_applyThread) {
        m_applyThread->AbortIfBusy();
        m_applyThread->Stop();
    }
    CloseDevice();
    m_device.Free();
    if (m_actions) m_actions->StopMacroThread();
    m_shared.Close();
    m_tray.Delete();
    m_language.Free();
    if (m_comInitialised) CoUninitialize();
    PostQuitMessage(0);
}

void CMonitorWnd::OnTimer(UINT_PTR id)
{
    switch (id) {
    case kTimerVolume:
        m_actions->OnVolumeTimer();
        break;
    case kTimerRepeatKey:
        OnRepeatKeyTimer();
        break;
    case kTimerForeground:
        FollowForegroundProgram();
        break;
    case kTimerStartApply:
        KillTimer(Handle(), kTimerStartApply);
        m_applyThread->Post(kApplyEverything, 0);
        break;
    }
}

template <typename Change>
void CMonitorWnd::ChangeBlock(Change change)
{
    std::lock_guard<std::mutex> lock(m_blockLock);
    change(*m_block);
}

void CMonitorWnd::TakeSharedBlock()
{
    // The block comes from another process: nothing in it may make a reader leave a record.
    auto incoming = std::make_unique<SettingsBlock>();
    if (!m_shared.Read(incoming.get())) return;
    MakeBlockSafe(incoming.get());
    ChangeBlock([&](SettingsBlock& block) { block = *incoming; });
}

ProfileRecord& CMonitorWnd::ActiveProfile() { return m_block->Profiles[ActiveProfileIndex(*m_block)]; }

void CMonitorWnd::ApplyPointer()
{
    // Windows is told on a copy: the broadcast may take a while, and the apply thread must not
    // wait for it to take its own copy of the block.
    ProfileRecord profile = ActiveProfile();
    ApplyPointerSettings(&profile, m_mouseKey.get(), Handle());
    ChangeBlock([&](SettingsBlock&) { ActiveProfile().Acceleration = profile.Acceleration; });
}

LRESULT CMonitorWnd::OnApplyAllSetting(WPARAM mode)
{
    TakeSharedBlock();
    ApplyPointer();
    ReadNoticeSettings(&m_noticeSettings, m_folder);
    m_notices.HandOverNotice(m_noticeSettings);
    const bool queued = m_deviceState == kStateAttached &&
                        m_applyThread->Post(kApplyChanged, static_cast<LPARAM>(mode));
    if (!queued) PostToOption(kMsgApplyFinished);
    return 0;
}

void CMonitorWnd::OnReloadSetting() { TakeSharedBlock(); }

void CMonitorWnd::OnReloadPointer()
{
    TakeSharedBlock();
    ApplyPointer();
}

void CMonitorWnd::PostToOption(UINT message) const { PostIfExists(kOptionTitle, message); }

void CMonitorWnd::OnSystrayNotify(LPARAM event)
{
    switch (event) {
    case WM_LBUTTONDOWN:
        Activate(GetLastActivePopup(Handle()));
        break;
    case WM_LBUTTONDBLCLK:
        DebugLog("OnSystrayNotify WM_LBUTTONDBLCLK\n");
        OnCustomizer();
        break;
    case WM_RBUTTONDOWN:
        ShowTrayMenu();
        break;
    default:
        break;
    }
}

void CMonitorWnd::ShowTrayMenu()
{
    SetForegroundWindow(GetLastActivePopup(Handle()));
    UniqueMenu menu(CreatePopupMenu());
    if (!menu) return;
    AppendMenuA(menu.get(), MF_STRING, kCmdOpenOption, m_language.Text(1002).c_str());
    AppendMenuA(menu.get(), MF_SEPARATOR, 0, nullptr);
    AppendMenuA(menu.get(), MF_STRING, kCmdExit, m_language.Text(1003).c_str());
    SetMenuDefaultItem(menu.get(), kCmdOpenOption, FALSE);
    POINT at{};
    GetCursorPos(&at);
    TrackPopupMenu(menu.get(), TPM_LEFTBUTTON, at.x, at.y, 0, Handle(), nullptr);
    PostMessageA(Handle(), WM_NULL, 0, 0);
}

LRESULT CMonitorWnd::OnCopyData(const COPYDATASTRUCT* data)
{
    if (!data || data->cbData != kCopyDataNoticeSize || !data->lpData) return 1;
    const char* bytes = static_cast<const char*>(data->lpData);
    const std::string text(bytes + 1, strnlen(bytes + 1, kCopyDataNoticeSize - 1));
    m_notices.TextNotice(text.c_str(), m_deviceState == kStateAttached);
    return 1;
}

void CMonitorWnd::OnCustomizer()
{
    DebugLog("CMonitorWnd OnCustomizer\n");
    if (HWND option = FindWindowA(nullptr, kOptionTitle)) {
        Activate(option);
        return;
    }
    const std::string path = m_folder + "Option.exe";
    ShellExecuteA(nullptr, "open", path.c_str(), nullptr, nullptr, SW_SHOW);
}

bool CMonitorWnd::OpenDevice()
{
    if (!m_device.IsBound()) return false;
    m_device.SetVidPid(kVendorId, kProductId);
    m_device.OpenDevMonitor(Handle(), kMsgDeviceData, kMsgDeviceChange);
    m_device.OpenFeatureDevice();
    const bool present = m_device.OpenReportDevice() != 0;
    if (present) SetTimer(Handle(), kTimerForeground, 2000, nullptr);
    return present;
}

void CMonitorWnd::CloseDevice()
{
    if (!m_device.IsBound()) return;
    m_device.CloseFeatureDevice();
    m_device.CloseReportDevice();
    m_device.CloseDevMonitor();
}

void CMonitorWnd::WriteDeviceState()
{
    CIniFile(m_configIni).SetString("Setting", "Device", m_deviceState == kStateAttached ? "1" : "0");
}

void CMonitorWnd::OnDeviceEvent(uint32_t code)
{
    const DeviceEvent event = DecodeDeviceEvent(code, static_cast<DeviceState>(m_deviceState.load()));
    switch (event.Type) {
    case DeviceEventType::Arrival:
        OnArrival();
        break;
    case DeviceEventType::Removal:
        OnRemoval();
        break;
    case DeviceEventType::TiltScroll:
        m_actions->TiltScroll(ActiveProfile(), event.Direction);
        break;
    case DeviceEventType::SettingChanged:
        OnDeviceSettingEvent(event.Kind, event.Value);
        break;
    case DeviceEventType::ButtonAction:
        OnButtonAction(event.Value);
        break;
    case DeviceEventType::ButtonActionNotice:
        OnButtonAction(event.Value);
        OnDeviceSettingEvent(kEventButton, event.Lo());
        break;
    case DeviceEventType::LaunchProgram:
        m_actions->RunButtonProgram(ActiveProfile(), event.Lo());
        break;
    case DeviceEventType::OpenConfiguration:
        PostMessageA(Handle(), WM_COMMAND, kCmdOpenOption, 0);
        break;
    case DeviceEventType::MediaKey:
        m_actions->OnMediaKey(ActiveProfile(), event.Lo(), event.Hi());
        break;
    case DeviceEventType::Ignored:
        break;
    }
}

void CMonitorWnd::OnArrival()
{
    Sleep(1000);
    m_deviceState = kStateAttached;
    m_device.OpenFeatureDevice();
    m_device.OpenReportDevice();
    ChangeBlock([](SettingsBlock& block) { MarkAllChanged(&block); });
    m_applyThread->Post(kApplyEverything, 0);
    m_tray.Add(Handle(), m_icon.get(), m_language.Text(1004));
    WriteDeviceState();
    SetTimer(Handle(), kTimerForeground, 2000, nullptr);
}

void CMonitorWnd::OnRemoval()
{
    m_deviceState = kStateRemoved;
    m_device.CloseFeatureDevice();
    m_device.CloseReportDevice();
    m_applyThread->AbortIfBusy();
    m_tray.Delete();
    KillTimer(Handle(), kTimerForeground);
    WriteDeviceState();
    PostToOption(WM_CLOSE);
}

void CMonitorWnd::OnDeviceSettingEvent(uint16_t kind, uint16_t value)
{
    SettingChange change;
    ChangeBlock([&](SettingsBlock& block) { change = ApplySettingEvent(block, kind, value, m_noticeSettings.MacroNotice == 1); });
    if (!change.Accepted) return;
    if (change.SaveCurrentProfile) CIniFile(m_configIni).SetInt("Setting", "CurrentProfile", m_block->CurrentProfile);
    if (change.CopyToMapping) m_shared.Write(m_block.get());
    if (change.PostProfileReload) PostToOption(kMsgProfileChanged);
    if (change.ProfileNotice) PostIfExists(kNoticeTitle, kMsgNotice, kNoticeProfile, static_cast<LPARAM>(change.NoticeLParam));
    if (change.PostRefresh) PostToOption(kMsgDeviceValues);
    if (change.DpiNotice) m_notices.DpiNotice(ActiveProfile(), change.DpiLevel);
    if (change.MacroNotice) m_notices.MacroNotice(ActiveProfile(), change.MacroButton);
}

void CMonitorWnd::OnButtonAction(uint16_t value)
{
    const ButtonAction action = DecideButtonAction(*m_block, value);
    switch (action.Type) {
    case ButtonActionType::KeyDown:
        m_repeatKeyWord = action.KeyWord;
        SendKeyStrokes(KeyDownStrokes(action.KeyWord));
        m_firstRepeat = true;
        SetTimer(Handle(), kTimerRepeatKey, 1000, nullptr);
        break;
    case ButtonActionType::KeyUp:
        KillTimer(Handle(), kTimerRepeatKey);
        SendKeyStrokes(KeyUpStrokes(action.KeyWord));
        break;
    case ButtonActionType::PlayMacro:
        m_actions->PlayButtonMacro(ActiveProfile(), action.Button);
        break;
    case ButtonActionType::None:
        break;
    }
}

void CMonitorWnd::OnRepeatKeyTimer()
{
    if (m_firstRepeat) {
        KillTimer(Handle(), kTimerRepeatKey);
        m_firstRepeat = false;
        SetTimer(Handle(), kTimerRepeatKey, 100, nullptr);
    }
    if (RepeatsKey(m_repeatKeyWord)) RetypeKey(static_cast<uint8_t>(m_repeatKeyWord));
}

void CMonitorWnd::FollowForegroundProgram()
{
    const int match = FindGameProfile(*m_block, ForegroundProgramName());
    if (match < 0 || match == m_block->CurrentProfile) return;
    ChangeBlock([&](SettingsBlock& block) { block.CurrentProfile = match; });
    m_shared.Write(m_block.get());
    m_applyThread->Post(kSelectProfile, 0);
    WritePointerSettings(&ActiveProfile(), UserRegistry());
    ApplyPointer();
    PostToOption(kMsgProfileChanged);
    if (m_noticeSettings.ProfileNotice == 1) m_notices.ProfileNotice(match);
}
