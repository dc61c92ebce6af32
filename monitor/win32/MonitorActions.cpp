#include "MonitorActions.h"

#include <shellapi.h>

#include <cstring>

#include "ButtonTable.h"
#include "ConfigFiles.h"
#include "DebugLog.h"
#include "MacroPlayThread.h"
#include "MediaControl.h"
#include "NoticeSender.h"
#include "SendInputSink.h"
#include "TiltScroller.h"

MonitorActions::MonitorActions(HWND owner, std::string folder)
    : MonitorActions(owner, std::move(folder), std::make_unique<SendInputSink>(), nullptr)
{
}

MonitorActions::MonitorActions(HWND owner, std::string folder, InputSink& input)
    : MonitorActions(owner, std::move(folder), nullptr, &input)
{
}

MonitorActions::MonitorActions(HWND owner, std::string folder, std::unique_ptr<InputSink> ownInput, InputSink* input)
    : m_owner(owner),
      m_folder(std::move(folder)),
      m_ownInput(std::move(ownInput)),
      m_input(input ? *input : *m_ownInput),
      m_macroThread(std::make_unique<MacroPlayThread>(m_input)),
      m_media(std::make_unique<MediaControl>(owner, m_input)),
      m_tilt(std::make_unique<TiltScroller>(m_input)),
      m_notices(std::make_unique<NoticeSender>(ConfigIniPath(m_folder)))
{
}

MonitorActions::~MonitorActions() = default;

bool MonitorActions::StartMacroThread() { return m_macroThread->Start(); }

void MonitorActions::StopMacroThread() { m_macroThread->Stop(); }

void MonitorActions::PlayButtonMacro(const ProfileRecord& profile, int button)
{
    if (button < 0 || button >= kButtonCount) return;
    m_macroThread->Request(profile.MacroKeyInfo[button]);
}

void MonitorActions::RunButtonProgram(const ProfileRecord& profile, int buttonNumber)
{
    if (buttonNumber < 1 || buttonNumber > kButtonCount) return;
    const ButtonRecord& record = profile.MacroKeyInfo[buttonNumber - 1];
    if (record.FunctionCode != kFunctionLaunch) return;
    const std::string path(record.ProgramPath, strnlen(record.ProgramPath, sizeof record.ProgramPath));
    if (path.empty()) return;
    const auto result = reinterpret_cast<INT_PTR>(ShellExecuteA(nullptr, "open", path.c_str(), nullptr, nullptr, SW_SHOW));
    if (result <= 32) DebugLog("RunButtonProgram: could not start %s (%d)\n", path.c_str(), static_cast<int>(result));
}

void MonitorActions::OnMediaKey(const ProfileRecord& profile, int code, int released)
{
    m_media->OnMediaKey(profile, code, released);
}

void MonitorActions::OnVolumeTimer() { m_media->OnVolumeTimer(); }

void MonitorActions::TiltScroll(const ProfileRecord& profile, int direction) { m_tilt->Scroll(profile, direction); }

NoticeSender& MonitorActions::Notices() { return *m_notices; }
