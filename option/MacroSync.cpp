#include "MacroSync.h"

#include <algorithm>
#include <cstring>
#include <string>
#include <string_view>

namespace {

constexpr uint8_t kFunctionMacro = 16;

std::string_view Trimmed(std::string_view text)
{
    const size_t first = text.find_first_not_of(' ');
    if (first == std::string_view::npos) return {};
    return text.substr(first, text.find_last_not_of(' ') - first + 1);
}

bool SameName(std::string_view a, std::string_view b)
{
    return a.size() == b.size() && std::equal(a.begin(), a.end(), b.begin(), [](char x, char y) {
               return std::tolower(static_cast<unsigned char>(x)) == std::tolower(static_cast<unsigned char>(y));
           });
}

void TakeOver(const ButtonRecord& button, std::string_view name, MacroList* list)
{
    const int count = std::min<int>(button.EventCount, kMacroMaxEvents);
    const size_t eventBytes = static_cast<size_t>(count) * sizeof(MacroEvent);
    auto match = std::find_if(list->begin(), list->end(), [&](const MacroRecord& entry) {
        return SameName(Trimmed(std::string_view(entry.Name, strnlen(entry.Name, sizeof entry.Name))), name);
    });
    if (match == list->end()) {
        MacroRecord added{};
        std::memcpy(added.Name, name.data(), std::min(name.size(), sizeof added.Name - 1));
        added.EventCount = count;
        std::memcpy(added.Events, button.Events, eventBytes);
        list->push_back(added);
        return;
    }
    if (match->EventCount == count && match->RepeatCount == button.MacroRepeat &&
        std::memcmp(match->Events, button.Events, eventBytes) == 0)
        return;
    static_assert(sizeof match->Events == sizeof button.Events);
    std::memcpy(match->Events, button.Events, sizeof match->Events);
    match->EventCount = count;
    match->RepeatCount = button.MacroRepeat;
}

}  // namespace

void SyncMacroListFromButtons(const SettingsBlock& block, MacroList* list)
{
    for (const ProfileRecord& profile : block.Profiles) {
        for (const ButtonRecord& button : profile.MacroKeyInfo) {
            const std::string_view name(button.MacroName, strnlen(button.MacroName, sizeof button.MacroName));
            if (button.FunctionCode == kFunctionMacro && !name.empty()) TakeOver(button, name, list);
        }
    }
}
