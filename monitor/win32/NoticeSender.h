// On-screen notices: the texts go into config.ini, and a short message tells the notice program
// (found by its window title each time) to show them. A missing notice program makes every
// notice a no-op; the config.ini entries are written all the same.
#pragma once

#include <string>

#include "NoticeSettings.h"
#include "SettingsBlock.h"

class NoticeSender {
public:
    explicit NoticeSender(std::string configIniPath) : m_configIni(std::move(configIniPath)) {}

    // 1324 / 40 with lParam = profile << 16.
    void ProfileNotice(int profile) const;
    // Writes the DPI text of level 1-8 (empty for 6-8) as OSDData/Message, then 1324 / 50.
    void DpiNotice(const ProfileRecord& profile, int level) const;
    // For a macro button (function 16) writes MacroOSD/Number and MacroName, then 1324 / 70;
    // other buttons: nothing.
    void MacroNotice(const ProfileRecord& profile, int button) const;
    // Writes the text as OSDData/Message; posts 1324 / 50 only when post is true.
    void TextNotice(const char* text, bool post) const;
    // After a hand-over from Option: 1326 with the two 16-bit values of the settings.
    void HandOverNotice(const NoticeSettings& settings) const;
    // WM_CLOSE to the notice program (Monitor shutting down).
    void CloseNoticeProgram() const;

private:
    std::string m_configIni;
};
