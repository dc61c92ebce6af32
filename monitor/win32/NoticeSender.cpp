#include "NoticeSender.h"

#include <windows.h>

#include <cstdio>
#include <cstring>

#include "CIniFile.h"
#include "ProcessLink.h"

namespace {

// The DPI page shows a level's value times 50; the notice uses the same unit, so that the
// suite never shows two numbers for one DPI level.
constexpr int kDpiUnit = 50;

void PostToNoticeProgram(UINT message, WPARAM wParam, LPARAM lParam)
{
    if (HWND notice = FindWindowA(nullptr, kNoticeTitle)) PostMessageA(notice, message, wParam, lParam);
}

}  // namespace

void NoticeSender::ProfileNotice(int profile) const
{
    PostToNoticeProgram(kMsgNotice, kNoticeProfile, static_cast<LPARAM>(profile) << 16);
}

void NoticeSender::DpiNotice(const ProfileRecord& profile, int level) const
{
    char text[64] = "";
    if (level >= 1 && level <= 5) std::snprintf(text, sizeof text, "CPI: %d", profile.CpiLevel_X[level - 1] * kDpiUnit);
    TextNotice(text, true);
}

void NoticeSender::MacroNotice(const ProfileRecord& profile, int button) const
{
    if (button < 0 || button >= kButtonCount) return;
    const ButtonRecord& record = profile.MacroKeyInfo[button];
    if (record.FunctionCode != 16) return;
    // The notice program knows buttons 13 and 14 by the numbers 3 and 4.
    const int number = button == 13 ? 3 : button == 14 ? 4 : button;
    const CIniFile ini(m_configIni);
    ini.SetInt("MacroOSD", "Number", number);
    ini.SetString("MacroOSD", "MacroName",
                  std::string(record.MacroName, strnlen(record.MacroName, sizeof record.MacroName)).c_str());
    PostToNoticeProgram(kMsgNotice, kNoticeMacro, 0);
}

void NoticeSender::TextNotice(const char* text, bool post) const
{
    CIniFile(m_configIni).SetString("OSDData", "Message", text);
    if (post) PostToNoticeProgram(kMsgNotice, kNoticeText, 0);
}

void NoticeSender::HandOverNotice(const NoticeSettings& settings) const
{
    const LPARAM values = static_cast<LPARAM>((static_cast<uint32_t>(settings.Value32 & 0xFFFF) << 16) |
                                              static_cast<uint32_t>(settings.Value36 & 0xFFFF));
    PostToNoticeProgram(kMsgDeviceChange, 0, values);
}

void NoticeSender::CloseNoticeProgram() const { PostToNoticeProgram(WM_CLOSE, 0, 0); }
