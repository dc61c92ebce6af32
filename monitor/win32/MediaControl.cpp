#include "MediaControl.h"

#include <string>

#include "DebugLog.h"
#include "KeyMessageParams.h"
#include "PlayerCommandLine.h"

namespace {

constexpr int kVolumeUpCode = 38;
constexpr int kVolumeDownCode = 39;
constexpr DWORD kValueBuffer = 260;

// The media codes of the mouse's media-key event.
enum MediaCode {
    kMediaLaunch = 0x20,
    kMediaNext = 0x21,
    kMediaPrevious = 0x22,
    kMediaPlayPause = 0x23,
    kMediaStop = 0x24,
    kMediaMute = 0x25,
    kMediaVolumeUp = 0x26,
    kMediaVolumeDown = 0x27,
};

constexpr DWORD kITunesKeyPauseMs = 100;

// Winamp's menu commands.
constexpr WPARAM kWinampPrevious = 40044, kWinampPlay = 40045, kWinampPause = 40046, kWinampStop = 40047,
                 kWinampNext = 40048;

int AppCommandOf(int command)
{
    switch (command) {
    case kPlayerNext: return APPCOMMAND_MEDIA_NEXTTRACK;
    case kPlayerPrevious: return APPCOMMAND_MEDIA_PREVIOUSTRACK;
    case kPlayerPlayPause: return APPCOMMAND_MEDIA_PLAY_PAUSE;
    case kPlayerStop: return APPCOMMAND_MEDIA_STOP;
    default: return 0;
    }
}

WPARAM RealPlayerCommandOf(int command)
{
    switch (command) {
    case kPlayerNext: return 0x100CB;
    case kPlayerPrevious: return 0x100CC;
    case kPlayerPlayPause: return 0x100C8;
    case kPlayerStop: return 0x100C9;
    default: return 0;
    }
}

// The text value of a key under HKEY_LOCAL_MACHINE (null name: the default value); empty
// when it is missing, not text or longer than the buffer.
std::string MachineValue(const char* key, const char* name)
{
    char value[kValueBuffer] = "";
    DWORD size = sizeof value;
    const DWORD flags = RRF_RT_REG_SZ | RRF_RT_REG_EXPAND_SZ | RRF_NOEXPAND;
    if (RegGetValueA(HKEY_LOCAL_MACHINE, key, name, flags, nullptr, value, &size) != ERROR_SUCCESS) return {};
    return value;
}

std::string ExpandEnvironment(const std::string& text)
{
    char expanded[kValueBuffer] = "";
    const DWORD length = ExpandEnvironmentStringsA(text.c_str(), expanded, sizeof expanded);
    return length > 0 && length <= sizeof expanded ? expanded : std::string();
}

void Run(const std::string& command)
{
    if (WinExec(command.c_str(), SW_SHOWNORMAL) <= 31) DebugLog("LaunchPlayer: could not run %s\n", command.c_str());
}

}  // namespace

void MediaControl::OnMediaKey(const ProfileRecord& profile, int code, int released)
{
    const int player = profile.MediaOption;
    if (code == kMediaVolumeUp || code == kMediaVolumeDown) {
        m_volumeKey = code == kMediaVolumeUp ? kVolumeUpCode : kVolumeDownCode;
        if (released != 0) {
            KillTimer(m_owner, kVolumeTimer);
            return;
        }
        SendSystemKey(code == kMediaVolumeUp ? VK_VOLUME_UP : VK_VOLUME_DOWN);
        SetTimer(m_owner, kVolumeTimer, kVolumeRepeatMs, nullptr);
        return;
    }
    if (released != 0) return;
    switch (code) {
    case kMediaLaunch: LaunchPlayer(player); break;
    case kMediaNext: PlayerCommand(player, kPlayerNext); break;
    case kMediaPrevious: PlayerCommand(player, kPlayerPrevious); break;
    case kMediaPlayPause: PlayerCommand(player, kPlayerPlayPause); break;
    case kMediaStop: PlayerCommand(player, kPlayerStop); break;
    case kMediaMute: SendSystemKey(VK_VOLUME_MUTE); break;
    default: break;
    }
}

void MediaControl::OnVolumeTimer() { SendSystemKey(m_volumeKey == kVolumeUpCode ? VK_VOLUME_UP : VK_VOLUME_DOWN); }

void MediaControl::SendSystemKey(WORD virtualKey)
{
    INPUT inputs[2]{};
    for (INPUT& input : inputs) {
        input.type = INPUT_KEYBOARD;
        input.ki.wVk = virtualKey;
        input.ki.dwFlags = KEYEVENTF_EXTENDEDKEY;
    }
    inputs[1].ki.dwFlags |= KEYEVENTF_KEYUP;
    m_input.Send(inputs, 2);
}

void MediaControl::PlayerCommand(int player, int command)
{
    switch (player) {
    case kPlayerWindowsMedia:
        // The default window procedure hands the command to the shell, which routes it to the
        // media application.
        if (const int app = AppCommandOf(command))
            PostMessageA(m_owner, WM_APPCOMMAND, reinterpret_cast<WPARAM>(m_owner), static_cast<LPARAM>(app) << 16);
        break;
    case kPlayerITunes:
        if (HWND window = FindWindowA("iTunes", "iTunes")) ITunesCommand(window, command);
        break;
    case kPlayerReal:
        if (HWND window = FindWindowA("GeminiWindowClass", nullptr))
            if (const WPARAM id = RealPlayerCommandOf(command)) SendMessageA(window, WM_COMMAND, id, 0);
        break;
    case kPlayerWinamp:
        if (HWND window = FindWindowA("Winamp v1.x", nullptr)) WinampCommand(window, command);
        break;
    default:
        break;
    }
}

void MediaControl::ITunesCommand(HWND player, int command)
{
    if (command == kPlayerNext || command == kPlayerPrevious) {
        const bool next = command == kPlayerNext;
        SendMessageA(player, WM_KEYDOWN, VK_CONTROL, kCtrlDownParam);
        Sleep(kITunesKeyPauseMs);
        SendMessageA(player, WM_KEYDOWN, next ? VK_RIGHT : VK_LEFT, next ? kRightDownParam : kLeftDownParam);
        Sleep(kITunesKeyPauseMs);
        SendMessageA(player, WM_KEYUP, next ? VK_RIGHT : VK_LEFT, next ? kRightUpParam : kLeftUpParam);
        Sleep(kITunesKeyPauseMs);
        SendMessageA(player, WM_KEYUP, VK_CONTROL, kCtrlUpParam);
    } else if (command == kPlayerPlayPause || command == kPlayerStop) {
        PostMessageA(player, WM_KEYDOWN, VK_SPACE, kSpaceDownParam);
        Sleep(kITunesKeyPauseMs);
        PostMessageA(player, WM_KEYUP, VK_SPACE, kSpaceUpParam);
    }
}

void MediaControl::WinampCommand(HWND player, int command)
{
    switch (command) {
    case kPlayerNext: SendMessageA(player, WM_COMMAND, kWinampNext, 0); break;
    case kPlayerPrevious: SendMessageA(player, WM_COMMAND, kWinampPrevious, 0); break;
    case kPlayerStop: SendMessageA(player, WM_COMMAND, kWinampStop, 0); break;
    case kPlayerPlayPause:
        if (m_winampPlayState == 0) {
            SendMessageA(player, WM_COMMAND, kWinampPlay, 0);
            m_winampPlayState = 1;
        } else {
            SendMessageA(player, WM_COMMAND, kWinampPause, 0);
            m_winampPlayState = 0;
        }
        break;
    default:
        break;
    }
}

void MediaControl::LaunchPlayer(int player)
{
    switch (player) {
    case kPlayerWindowsMedia: {
        const std::string path = ExpandEnvironment(
            MachineValue("Software\\Microsoft\\Windows\\CurrentVersion\\App Paths\\wmplayer.exe", nullptr));
        if (HWND running = FindWindowA(nullptr, "Windows Media Player")) {
            // Only the thread that has the input may hand the foreground on.
            const DWORD foreground = GetWindowThreadProcessId(GetForegroundWindow(), nullptr);
            const DWORD own = GetWindowThreadProcessId(m_owner, nullptr);
            AttachThreadInput(foreground, own, TRUE);
            SetForegroundWindow(running);
            AttachThreadInput(foreground, own, FALSE);
        } else if (!path.empty()) {
            Run(path);
        }
        break;
    }
    case kPlayerITunes: {
        const std::string path = MachineValue("SOFTWARE\\Apple Computer, Inc.\\iPod\\RegisteredApps\\4", "path");
        if (CommandNamesPlayer(path, "iTunes")) Run(path);
        break;
    }
    case kPlayerReal: {
        const std::string path = PlayerProgramOf(
            MachineValue("SOFTWARE\\Classes\\Applications\\RealPlay.exe\\shell\\open\\command", nullptr));
        if (CommandNamesPlayer(path, "realplay")) Run(path);
        break;
    }
    case kPlayerWinamp: {
        const std::string path =
            PlayerProgramOf(MachineValue("SOFTWARE\\Classes\\Winamp.File\\shell\\open\\command", nullptr));
        if (CommandNamesPlayer(path, "winamp")) Run(path);
        break;
    }
    default:
        break;
    }
}
