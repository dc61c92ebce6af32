// What Monitor does on the PC for the mouse: the actions the window thread dispatches decoded
// device events to. CMonitorWnd owns one MonitorActions and calls it on its window thread.
#pragma once

#include <windows.h>

#include <memory>
#include <string>

#include "NoticeSettings.h"
#include "SettingsBlock.h"

class InputSink;
class MacroPlayThread;
class MediaControl;
class NoticeSender;
class TiltScroller;

class MonitorActions {
public:
    // owner: the CMonitorWnd window (timers 101 are set on it); folder: the exe dir with a
    // trailing backslash (config.ini and the programs live there).
    MonitorActions(HWND owner, std::string folder);
    // The same with the synthesized input going to input instead of SendInput (tests).
    MonitorActions(HWND owner, std::string folder, InputSink& input);
    ~MonitorActions();
    MonitorActions(const MonitorActions&) = delete;
    MonitorActions& operator=(const MonitorActions&) = delete;

    // Starts MacroPlayThread (OnCreate) and ends it, stop flag first (OnDestroy).
    bool StartMacroThread();
    void StopMacroThread();

    // Button index 0-15 of the given profile record (the current one).
    void PlayButtonMacro(const ProfileRecord& profile, int button);
    // Button number 1-16.
    void RunButtonProgram(const ProfileRecord& profile, int buttonNumber);
    // code 0x20-0x27; released: the event's hi byte (0 = press).
    void OnMediaKey(const ProfileRecord& profile, int code, int released);
    // Timer 101 of the owner window expired (a held volume key).
    void OnVolumeTimer();
    // direction +1 scrolls left (tilt value 255), -1 right (tilt value 1).
    void TiltScroll(const ProfileRecord& profile, int direction);

    NoticeSender& Notices();

private:
    MonitorActions(HWND owner, std::string folder, std::unique_ptr<InputSink> ownInput, InputSink* input);

    HWND m_owner;
    std::string m_folder;
    std::unique_ptr<InputSink> m_ownInput;  // SendInput, unless the caller gave a sink
    InputSink& m_input;
    std::unique_ptr<MacroPlayThread> m_macroThread;
    std::unique_ptr<MediaControl> m_media;
    std::unique_ptr<TiltScroller> m_tilt;
    std::unique_ptr<NoticeSender> m_notices;
};
