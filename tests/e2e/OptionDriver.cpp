#include "OptionDriver.h"

#include "CIniFile.h"
#include "ProcessLink.h"
#include "SkinControlPos.h"
#include "StandInWindow.h"
#include "SyntheticMouse.h"

namespace {

enum MainKey { kOk = 12, kApply = 14 };

struct WindowsOfProcess {
    DWORD process;
    std::vector<HWND> found;
};

BOOL CALLBACK CollectWindow(HWND hwnd, LPARAM context)
{
    auto* windows = reinterpret_cast<WindowsOfProcess*>(context);
    DWORD owner = 0;
    GetWindowThreadProcessId(hwnd, &owner);
    if (owner == windows->process && IsWindowVisible(hwnd)) windows->found.push_back(hwnd);
    return TRUE;
}

void Settle(DWORD ms)
{
    PumpUntil([] { return false; }, ms);
}

}  // namespace

bool OptionDriver::Start()
{
    if (!m_process.Start(m_folder + "Option.exe")) return false;
    return PumpUntil([] { return Window() && IsWindowVisible(Window()); }, 15000);
}

HWND OptionDriver::Window() { return FindWindowA(nullptr, kOptionTitle); }

std::vector<HWND> OptionDriver::OtherWindows() const
{
    WindowsOfProcess windows{m_process.Id(), {}};
    EnumWindows(&CollectWindow, reinterpret_cast<LPARAM>(&windows));
    std::erase(windows.found, Window());
    return windows.found;
}

RECT OptionDriver::KeyRect(int key, const char* skin) const
{
    const std::string value =
        CIniFile(m_folder + "skins\\" + skin).GetString("BUTTONPOS", std::to_string(key).c_str(), "");
    const SkinRect r = ParseButtonPos(value).rect;
    return {r.left, r.top, r.right, r.bottom};
}

void OptionDriver::MouseTo(int x, int y, HWND window) const
{
    const POINT p = SendMouseMove(window, x, y);
    POINT now{};
    PumpUntil([&] { return GetCursorPos(&now) && now.x == p.x && now.y == p.y; }, 1000);
    Settle(80);
}

void OptionDriver::SendButton(DWORD flag)
{
    INPUT input{};
    input.type = INPUT_MOUSE;
    input.mi.dwFlags = flag;
    SendInput(1, &input, sizeof input);
}

void OptionDriver::Press(DWORD flag)
{
    SendButton(flag);
    Settle(80);
}

void OptionDriver::Click(int key, HWND window, const char* skin) const
{
    const RECT r = KeyRect(key, skin);
    MouseTo((r.left + r.right) / 2, (r.top + r.bottom) / 2, window);
    Press(MOUSEEVENTF_LEFTDOWN);
    Press(MOUSEEVENTF_LEFTUP);
}

void OptionDriver::Type(const std::string& letters)
{
    for (char c : letters) {
        INPUT keys[2] = {};
        for (INPUT& k : keys) {
            k.type = INPUT_KEYBOARD;
            k.ki.wVk = static_cast<WORD>(c);
        }
        keys[1].ki.dwFlags = KEYEVENTF_KEYUP;
        SendInput(2, keys, sizeof keys[0]);
        Settle(20);
    }
    Settle(200);
}

HWND OptionDriver::KeyWindow(int key) const
{
    const RECT r = KeyRect(key);
    return ChildWindowFromPoint(Window(), {(r.left + r.right) / 2, (r.top + r.bottom) / 2});
}

bool OptionDriver::OkAndApplyEnabled() const
{
    return IsWindowEnabled(KeyWindow(kOk)) && IsWindowEnabled(KeyWindow(kApply));
}
