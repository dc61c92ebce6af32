#include "NoticeContent.h"

#include "CIniFile.h"
#include "ConfigFiles.h"
#include "ProcessLink.h"
#include "SettingsBlock.h"

NoticeContent ReadNotice(const std::string& folder, unsigned kind, long lParam)
{
    const CIniFile config(ConfigIniPath(folder));
    switch (kind) {
    case kNoticeProfile: {
        const int profile = static_cast<int>((static_cast<unsigned long>(lParam) >> 16) & 0xFFFF);
        const std::string caption = "Profile " + std::to_string(profile + 1);
        if (profile >= kProfileCount) return {"", caption};
        std::string name = CIniFile(ProfileFilePath(folder, profile)).GetString("Setting", "ProFileName", "");
        if (name.size() >= sizeof(ProfileRecord::ProFileName)) name.resize(sizeof(ProfileRecord::ProFileName) - 1);
        return name.empty() ? NoticeContent{"", caption} : NoticeContent{caption, name};
    }
    case kNoticeText:
        return {"", config.GetString("OSDData", "Message", "")};
    case kNoticeMacro:
        return {"Macro", config.GetString("MacroOSD", "MacroName", "")};
    default:
        return {};
    }
}
