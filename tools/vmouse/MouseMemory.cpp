#include "MouseMemory.h"

#include <algorithm>
#include <cstring>
#include <memory>

MouseMemory FactoryMemory()
{
    auto block = std::make_unique<SettingsBlock>();
    SetAllDefaults(block.get());
    MouseMemory memory{};
    for (int p = 0; p < kProfileCount; ++p) {
        const ProfileRecord& record = block->Profiles[p];
        MouseProfile& profile = memory.Profiles[p];
        profile.Settings = ToDataPage(EncodeSettingsPage(record));
        const ProfileButtonPages buttons = EncodeProfileButtons(record, p);
        profile.Buttons = ToDataPage(buttons.Table);
        for (const NumberedMacroSlot& slot : buttons.Slots) memory.Slots[slot.Number - 1] = ToDataPage(slot.Slot);
        profile.ReportInterval = ReportIntervalCode(record.PollingRate);
        profile.DpiLevel = static_cast<uint8_t>(std::clamp(record.CpiStep + 1, 1, kMouseDpiLevels));
    }
    return memory;
}

SettingsPage SettingsOf(const MouseProfile& profile)
{
    SettingsPage page;
    std::memcpy(&page, profile.Settings.data(), sizeof page);
    return page;
}

ButtonCode ButtonCodeOf(const MouseProfile& profile, int b)
{
    ButtonCode code{};
    if (b >= 0 && b < kButtonCount) std::memcpy(&code, profile.Buttons.data() + 4 * b, sizeof code);
    return code;
}
