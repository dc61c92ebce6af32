// The virtual mouse's window: what the mouse holds, and the controls of a real mouse (buttons
// 1-16, tilt, profile and DPI buttons, report rate, sensitivity, the cable). Buttons and tilt
// act on press and on release, so a button can be held. Other programs drive it with
// WM_COPYDATA (vmouse.exe --event, --unplug, --plug, --quit).
#pragma once

#include <string>
#include <vector>

#include "VirtualMouseDevice.h"
#include "Window.h"

constexpr char kVirtualMouseClass[] = "KestrinVardoVirtualMouse";
constexpr char kVirtualMouseTitle[] = "Kestrin Vardo virtual mouse";
// Posted by other threads when the memory or the plugged state has changed.
constexpr UINT kMessageRefresh = WM_APP + 1;

class VirtualMouseWindow : public Window {
public:
    explicit VirtualMouseWindow(VirtualMouseDevice& mouse) : m_mouse(mouse) {}
    bool Create();

protected:
    LRESULT OnMessage(UINT message, WPARAM wParam, LPARAM lParam) override;

private:
    enum class Action { Button, TiltLeft, TiltRight, ProfileUp, ProfileDown, DpiUp, DpiDown, Rate, SensUp, SensDown, Cable };
    struct Control {
        std::string Label;
        Action What;
        int Button;  // 0-15 for Action::Button
        RECT Box;
    };

    void LayOut();
    void Paint(HDC dc);
    // down: the mouse button went down on the control (true) or came up (false).
    void Use(const Control& control, bool down);
    int ControlAt(int x, int y) const;
    LRESULT OnCopyData(const COPYDATASTRUCT* data);

    VirtualMouseDevice& m_mouse;
    std::vector<Control> m_controls;
    int m_held = -1;  // the control under a pressed mouse button
};
