// Monitor's hidden main window: owns the private settings block, the shared mapping, the link
// to the mouse, the tray icon and the two worker threads, and turns the mouse's events into
// actions on the PC.
#pragma once

#include <windows.h>

#include <atomic>
#include <memory>
#include <mutex>
#include <string>

#include "DeviceApplyThread.h"
#include "DeviceLibrary.h"
#include "LanguageLibrary.h"
#include "NoticeSender.h"
#include "NoticeSettings.h"
#include "Registry.h"
#include "SettingsBlock.h"
#include "TrayIcon.h"
#include "UniqueResource.h"
#include "Window.h"
#include "win32/SharedBlock.h"

class MonitorActions;

class CMonitorWnd : public Window {
public:
    explicit CMonitorWnd(bool openOptionAtStart);
    ~CMonitorWnd() override;

    bool CreateHidden();

protected:
    LRESULT OnMessage(UINT message, WPARAM wParam, LPARAM lParam) override;

private:
    LRESULT OnCreate();
    void OnDestroy();
    void OnTimer(UINT_PTR id);
    LRESULT OnApplyAllSetting(WPARAM mode);
    void OnReloadSetting();
    void OnReloadPointer();
    void OnSystrayNotify(LPARAM event);
    LRESULT OnCopyData(const COPYDATASTRUCT* data);
    void OnCustomizer();

    // Device link
    bool OpenDevice();
    void CloseDevice();
    void OnDeviceEvent(uint32_t code);
    void OnArrival();
    void OnRemoval();
    void OnDeviceSettingEvent(uint16_t kind, uint16_t value);
    void OnButtonAction(uint16_t value);
    void OnRepeatKeyTimer();
    void FollowForegroundProgram();

    // The private block is written only on this thread, under m_blockLock, so that the apply
    // thread's copy is never torn.
    template <typename Change>
    void ChangeBlock(Change change);
    void TakeSharedBlock();
    void ApplyPointer();
    void WriteDeviceState();
    void PostToOption(UINT message) const;
    ProfileRecord& ActiveProfile();
    void ShowTrayMenu();

    bool m_openOptionAtStart;
    std::string m_folder;
    std::string m_configIni;
    std::unique_ptr<SettingsBlock> m_block;
    std::mutex m_blockLock;
    SharedBlock m_shared;
    NoticeSettings m_noticeSettings{};
    std::unique_ptr<Registry::Key> m_mouseKey;
    LanguageLibrary m_language;
    DeviceLibrary m_device;
    std::atomic<int> m_deviceState{0};
    NoticeSender m_notices;
    std::unique_ptr<DeviceApplyThread> m_applyThread;
    std::unique_ptr<MonitorActions> m_actions;
    TrayIcon m_tray;
    UniqueIcon m_icon;
    UINT m_taskbarCreated = 0;
    bool m_comInitialised = false;
    uint32_t m_repeatKeyWord = 0;
    bool m_firstRepeat = false;
};
