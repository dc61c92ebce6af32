#include "SyntheticInput.h"

#include "KeyInjector.h"

INPUT KeyInput(WORD virtualKey, bool down)
{
    INPUT input{};
    input.type = INPUT_KEYBOARD;
    const UINT scan = MapVirtualKeyA(virtualKey, MAPVK_VK_TO_VSC_EX);
    input.ki.wVk = virtualKey;
    input.ki.wScan = static_cast<WORD>(scan & 0xFF);
    input.ki.dwFlags = (down ? 0 : KEYEVENTF_KEYUP) | ((scan & 0xFF00) == 0xE000 ? KEYEVENTF_EXTENDEDKEY : 0);
    return input;
}

INPUT MouseButtonInput(uint8_t macroKey, bool down)
{
    INPUT input{};
    input.type = INPUT_MOUSE;
    input.mi.dwExtraInfo = static_cast<ULONG_PTR>(GetMessageExtraInfo());
    switch (macroKey) {
    case kMacroMouseLeft: input.mi.dwFlags = down ? MOUSEEVENTF_LEFTDOWN : MOUSEEVENTF_LEFTUP; break;
    case kMacroMouseRight: input.mi.dwFlags = down ? MOUSEEVENTF_RIGHTDOWN : MOUSEEVENTF_RIGHTUP; break;
    case kMacroMouseMiddle: input.mi.dwFlags = down ? MOUSEEVENTF_MIDDLEDOWN : MOUSEEVENTF_MIDDLEUP; break;
    default:
        input.mi.dwFlags = down ? MOUSEEVENTF_XDOWN : MOUSEEVENTF_XUP;
        input.mi.mouseData = macroKey == kMacroMouseBack ? XBUTTON2 : XBUTTON1;
        break;
    }
    return input;
}

bool MacroInputToInput(MacroInput input, INPUT* out)
{
    if (IsMacroMouseButton(input.Key)) {
        *out = MouseButtonInput(input.Key, input.Down);
        return true;
    }
    const uint16_t vk = PlaybackVirtualKey(input.Key);
    if (vk == 0) return false;
    *out = KeyInput(vk, input.Down);
    return true;
}
