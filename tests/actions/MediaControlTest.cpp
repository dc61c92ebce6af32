#include "MediaControl.h"

#include <gtest/gtest.h>

#include <cstring>
#include <memory>

#include "ActionsTestSupport.h"

namespace {

constexpr RECT kSomewhere{10, 10, 110, 60};

class MediaControlTest : public ::testing::Test {
protected:
    void SetUp() override { std::memset(&profile, 0, sizeof profile); }

    // The commands of one player, pressed and released like the mouse does.
    void Press(int player, int code)
    {
        profile.MediaOption = player;
        media.OnMediaKey(profile, code, 0);
        media.OnMediaKey(profile, code, 1);
        PumpMessagesFor(10);
    }

    ProfileRecord profile;
    RecordingSink sink;
    MessageWindow owner{"MediaOwner", "media owner", WS_POPUP, 0, kSomewhere};
    MediaControl media{owner.Handle(), sink};
};

std::vector<WPARAM> CommandsOf(const std::vector<RecordedMessage>& log)
{
    std::vector<WPARAM> ids;
    for (const RecordedMessage& m : log)
        if (m.Message == WM_COMMAND) ids.push_back(m.WParam);
    return ids;
}

}  // namespace

TEST_F(MediaControlTest, WinampGetsMenuCommandsAndPlayPauseAlternates)
{
    MessageWindow winamp("Winamp v1.x", "Winamp", WS_POPUP, 0, kSomewhere);
    for (int code : {0x21, 0x22, 0x24, 0x23, 0x23, 0x23}) Press(kPlayerWinamp, code);
    EXPECT_EQ((std::vector<WPARAM>{40048, 40044, 40047, 40045, 40046, 40045}), CommandsOf(winamp.Log()));
    EXPECT_EQ(1, media.WinampPlayState());
}

TEST_F(MediaControlTest, RealPlayerGetsItsCommands)
{
    MessageWindow real("GeminiWindowClass", "RealPlayer", WS_POPUP, 0, kSomewhere);
    for (int code : {0x21, 0x22, 0x23, 0x24}) Press(kPlayerReal, code);
    EXPECT_EQ((std::vector<WPARAM>{0x100CB, 0x100CC, 0x100C8, 0x100C9}), CommandsOf(real.Log()));
}

TEST_F(MediaControlTest, ITunesGetsKeyMessagesAndStopActsLikePlayPause)
{
    MessageWindow wrongTitle("iTunes", "not it", WS_POPUP, 0, kSomewhere);
    MessageWindow itunes("iTunes", "iTunes", WS_POPUP, 0, kSomewhere);
    Press(kPlayerITunes, 0x21);
    Press(kPlayerITunes, 0x22);
    Press(kPlayerITunes, 0x24);
    const HWND w = itunes.Handle();
    const std::vector<RecordedMessage> expected{
        {w, WM_KEYDOWN, VK_CONTROL, 0x001D0001}, {w, WM_KEYDOWN, VK_RIGHT, 0x014D0001},
        {w, WM_KEYUP, VK_RIGHT, static_cast<LPARAM>(0xC14D0001u)}, {w, WM_KEYUP, VK_CONTROL, static_cast<LPARAM>(0xC01D0001u)},
        {w, WM_KEYDOWN, VK_CONTROL, 0x001D0001}, {w, WM_KEYDOWN, VK_LEFT, 0x014B0001},
        {w, WM_KEYUP, VK_LEFT, static_cast<LPARAM>(0xC14B0001u)}, {w, WM_KEYUP, VK_CONTROL, static_cast<LPARAM>(0xC01D0001u)},
        {w, WM_KEYDOWN, VK_SPACE, 0x00390001}, {w, WM_KEYUP, VK_SPACE, static_cast<LPARAM>(0xC0390001u)},
    };
    EXPECT_EQ(expected, itunes.Log());
    EXPECT_TRUE(wrongTitle.Log().empty());
}

TEST_F(MediaControlTest, WindowsMediaPlayerCommandsGoToTheShellAsAppCommands)
{
    for (int code : {0x21, 0x22, 0x23, 0x24}) Press(kPlayerWindowsMedia, code);
    const HWND w = owner.Handle();
    const WPARAM self = reinterpret_cast<WPARAM>(w);
    EXPECT_EQ((std::vector<RecordedMessage>{{w, WM_APPCOMMAND, self, 11 << 16}, {w, WM_APPCOMMAND, self, 12 << 16},
                                            {w, WM_APPCOMMAND, self, 14 << 16}, {w, WM_APPCOMMAND, self, 13 << 16}}),
              owner.Log());
}

TEST_F(MediaControlTest, MissingPlayersAndOtherValuesDoNothing)
{
    for (int player : {int(kPlayerITunes), int(kPlayerReal), int(kPlayerWinamp), 7, -1})
        for (int code : {0x21, 0x22, 0x23, 0x24}) Press(player, code);
    EXPECT_TRUE(owner.Log().empty());
    EXPECT_TRUE(sink.Inputs().empty());
    EXPECT_EQ(0, media.WinampPlayState());
}

TEST_F(MediaControlTest, MuteIsOneExtendedKeyStroke)
{
    Press(kPlayerWindowsMedia, 0x25);
    const std::vector<RecordedInput> inputs = sink.Inputs();
    ASSERT_EQ(2u, inputs.size());
    EXPECT_EQ(VK_VOLUME_MUTE, inputs[0].Input.ki.wVk);
    EXPECT_EQ(0, inputs[0].Input.ki.wScan);
    EXPECT_EQ(static_cast<DWORD>(KEYEVENTF_EXTENDEDKEY), inputs[0].Input.ki.dwFlags);
    EXPECT_EQ(static_cast<DWORD>(KEYEVENTF_EXTENDEDKEY | KEYEVENTF_KEYUP), inputs[1].Input.ki.dwFlags);
}

TEST_F(MediaControlTest, HeldVolumeKeyRepeatsEvery300MillisecondsUntilReleased)
{
    struct Case {
        int Code;
        WORD Key;
    };
    for (const Case& c : {Case{0x26, VK_VOLUME_UP}, Case{0x27, VK_VOLUME_DOWN}}) {
        SCOPED_TRACE(c.Code);
        RecordingSink held;
        MediaControl volume(owner.Handle(), held);
        const auto onTimer = [&](HWND, WPARAM id) {
            if (id == kVolumeTimer) volume.OnVolumeTimer();
        };
        volume.OnMediaKey(profile, c.Code, 0);
        PumpMessagesFor(1000, onTimer);
        volume.OnMediaKey(profile, c.Code, 1);
        const size_t atRelease = held.Inputs().size();
        PumpMessagesFor(700, onTimer);
        const std::vector<RecordedInput> inputs = held.Inputs();
        EXPECT_EQ(atRelease, inputs.size()) << "repeats after the release";
        // One stroke at once, then about three repeats in the second.
        EXPECT_GE(inputs.size(), 2u * 3);
        EXPECT_LE(inputs.size(), 2u * 4);
        for (const RecordedInput& r : inputs) EXPECT_EQ(c.Key, r.Input.ki.wVk);
        if (inputs.size() >= 4) {
            EXPECT_NEAR(300, inputs[2].AtMs - inputs[0].AtMs, 60);
        }
    }
}

TEST_F(MediaControlTest, LaunchBringsARunningWindowsMediaPlayerForward)
{
    MessageWindow other("MediaOther", "other", WS_OVERLAPPEDWINDOW | WS_VISIBLE, 0, {300, 300, 500, 400});
    MessageWindow player("MediaPlayerWindow", "Windows Media Player", WS_OVERLAPPEDWINDOW | WS_VISIBLE, 0,
                         {100, 100, 300, 200});
    SetForegroundWindow(other.Handle());
    PumpMessagesFor(100);
    if (GetForegroundWindow() != other.Handle()) GTEST_SKIP() << "this desktop does not hand the foreground over";
    Press(kPlayerWindowsMedia, 0x20);
    PumpMessagesFor(100);
    EXPECT_EQ(player.Handle(), GetForegroundWindow());
}
