// A setting the user changed on the mouse itself (profile, DPI level, sensitivity, report
// interval) or a macro button press: what is stored in the block and whom to tell.
#pragma once

#include <cstdint>

#include "SettingsBlock.h"

struct SettingChange {
    bool Accepted = false;
    bool SaveCurrentProfile = false;  // write CurrentProfile to config.ini
    bool CopyToMapping = false;       // copy the block into the shared mapping
    bool PostProfileReload = false;   // message 1255 to Option
    bool PostRefresh = false;         // message 1257 to Option
    bool ProfileNotice = false;       // notice 40 with lParam NoticeLParam
    bool DpiNotice = false;           // notice 50 with the text for DpiLevel
    bool MacroNotice = false;         // notice 70 for button MacroButton
    uint32_t NoticeLParam = 0;
    int DpiLevel = 0;     // 1-8 as reported; the notice text is empty for 6-8
    int MacroButton = -1;  // 0-15
};

// Stores the change into the block (only values a profile can hold) and says what follows.
// macroNoticeOn is the macro-notice flag of the notice settings.
SettingChange ApplySettingEvent(SettingsBlock& block, uint16_t kind, uint16_t value, bool macroNoticeOn);
