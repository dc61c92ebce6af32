// What every window of Option works on: the edited block that the pages change, the block
// last handed to Monitor or read from it, the macro list, the notice settings, the language
// library and the main window that pages post to.
#pragma once

#include <windows.h>

#include "LanguageLibrary.h"
#include "MacroList.h"
#include "NoticeSettings.h"
#include "SettingsBlock.h"

struct OptionSettings {
    SettingsBlock edited;
    SettingsBlock lastApplied;
    MacroList macros;
    NoticeSettings notice;
    LanguageLibrary language;
    HWND mainWindow;
};

// The one instance of the process.
OptionSettings& Settings();
