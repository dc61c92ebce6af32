#include "KeyInjector.h"

#include <windows.h>

#include "KeyCodeTable.h"
#include "SyntheticInput.h"

namespace {

bool IsModifierUsage(uint8_t usage) { return usage >= 0xE0 && usage <= 0xE7; }

void SendKey(uint16_t vk, bool down)
{
    INPUT input = KeyInput(vk, down);
    SendInput(1, &input, sizeof input);
}

}  // namespace

uint16_t PlaybackVirtualKey(uint8_t usage)
{
    const KeyCodeLookup key = UsageToVk(usage);
    if (!key.Found) return 0;
    switch (key.Code) {
    case VK_LSHIFT: case VK_RSHIFT: return VK_SHIFT;
    case VK_LCONTROL: case VK_RCONTROL: return VK_CONTROL;
    case VK_LMENU: case VK_RMENU: return VK_MENU;
    default: return static_cast<uint16_t>(key.Code);
    }
}

void SendKeyStrokes(const std::vector<KeyStroke>& strokes)
{
    for (const KeyStroke& s : strokes) {
        const uint16_t vk = PlaybackVirtualKey(s.Usage);
        if (vk == 0) continue;
        const bool modifier = IsModifierUsage(s.Usage);
        if (modifier && !s.Down) Sleep(1);
        SendKey(vk, s.Down);
        if (modifier && s.Down) Sleep(1);
    }
}

void RetypeKey(uint8_t usage)
{
    const uint16_t vk = PlaybackVirtualKey(usage);
    if (vk == 0) return;
    SendKey(vk, false);
    Sleep(1);
    SendKey(vk, true);
}
