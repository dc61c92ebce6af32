// The mouse's media keys on the PC: the player chosen by the profile's MediaOption is started
// or sent its commands by the messages it understands; volume and mute are system keys, and a
// held volume key repeats on the owner window's timer 101.
#pragma once

#include <windows.h>

#include "InputSink.h"
#include "SettingsBlock.h"

enum MediaPlayer { kPlayerWindowsMedia = 0, kPlayerITunes = 1, kPlayerReal = 2, kPlayerWinamp = 3 };

enum PlayerCommandCode {
    kPlayerNext = 0x1002,
    kPlayerPrevious = 0x1003,
    kPlayerPlayPause = 0x1004,
    kPlayerStop = 0x1005,
};

constexpr UINT_PTR kVolumeTimer = 101;
constexpr UINT kVolumeRepeatMs = 300;

class MediaControl {
public:
    // owner: the window that gets timer 101 and routes WM_APPCOMMAND to the shell.
    MediaControl(HWND owner, InputSink& input) : m_owner(owner), m_input(input) {}

    // code 0x20-0x27; released: 0 for a press.
    void OnMediaKey(const ProfileRecord& profile, int code, int released);
    void OnVolumeTimer();

    void PlayerCommand(int player, int command);
    void LaunchPlayer(int player);

    // 0: the next play/pause sends "play"; 1: it sends "pause".
    int WinampPlayState() const { return m_winampPlayState; }

private:
    void SendSystemKey(WORD virtualKey);
    void ITunesCommand(HWND player, int command);
    void WinampCommand(HWND player, int command);

    HWND m_owner;
    InputSink& m_input;
    int m_volumeKey = 38;  // 38 volume up, 39 volume down
    int m_winampPlayState = 0;
};
