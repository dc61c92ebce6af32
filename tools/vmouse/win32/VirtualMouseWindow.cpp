#include "VirtualMouseWindow.h"

#include "DebugLog.h"
#include "Gdi.h"
#include "MouseDescription.h"
#include "VmouseCommandLine.h"

namespace {

constexpr int kLineHeight = 16;
constexpr int kTextLines = 5 + 16 + 1;
constexpr int kMargin = 8;
constexpr int kControlWidth = 74;
constexpr int kControlHeight = 24;
constexpr int kControlsPerRow = 8;
constexpr int kWindowWidth = 2 * kMargin + kControlsPerRow * (kControlWidth + 4) + 16;
constexpr int kControlsTop = kMargin + kTextLines * kLineHeight + kMargin;
constexpr int kWindowHeight = kControlsTop + 4 * (kControlHeight + 4) + 48;

}  // namespace

bool VirtualMouseWindow::Create()
{
    LayOut();
    if (!Window::Create(kVirtualMouseClass, kVirtualMouseTitle, WS_OVERLAPPED | WS_CAPTION | WS_SYSMENU | WS_MINIMIZEBOX,
                        0, CW_USEDEFAULT, CW_USEDEFAULT, kWindowWidth, kWindowHeight))
        return false;
    SetClassLongPtrA(Handle(), GCLP_HCURSOR, reinterpret_cast<LONG_PTR>(LoadCursor(nullptr, IDC_ARROW)));
    SetClassLongPtrA(Handle(), GCLP_HBRBACKGROUND, reinterpret_cast<LONG_PTR>(GetSysColorBrush(COLOR_BTNFACE)));
    ShowWindow(Handle(), SW_SHOWNOACTIVATE);
    return true;
}

void VirtualMouseWindow::LayOut()
{
    m_controls.clear();
    auto add = [this](std::string label, Action what, int button = 0) {
        const int index = static_cast<int>(m_controls.size());
        const int x = kMargin + (index % kControlsPerRow) * (kControlWidth + 4);
        const int y = kControlsTop + (index / kControlsPerRow) * (kControlHeight + 4);
        m_controls.push_back({std::move(label), what, button, {x, y, x + kControlWidth, y + kControlHeight}});
    };
    for (int b = 0; b < kButtonCount; ++b) add("Button " + std::to_string(b + 1), Action::Button, b);
    add("Tilt left", Action::TiltLeft);
    add("Tilt right", Action::TiltRight);
    add("Profile +", Action::ProfileUp);
    add("Profile -", Action::ProfileDown);
    add("DPI +", Action::DpiUp);
    add("DPI -", Action::DpiDown);
    add("Rate", Action::Rate);
    add("Sens +", Action::SensUp);
    add("Sens -", Action::SensDown);
    add("Cable", Action::Cable);
}

int VirtualMouseWindow::ControlAt(int x, int y) const
{
    const POINT point{x, y};
    for (size_t i = 0; i < m_controls.size(); ++i)
        if (PtInRect(&m_controls[i].Box, point)) return static_cast<int>(i);
    return -1;
}

void VirtualMouseWindow::Use(const Control& control, bool down)
{
    switch (control.What) {
    case Action::Button: m_mouse.PressButton(control.Button, down); break;
    case Action::TiltLeft: m_mouse.Tilt(-1, down); break;
    case Action::TiltRight: m_mouse.Tilt(+1, down); break;
    default:
        if (!down) return;
        switch (control.What) {
        case Action::ProfileUp: m_mouse.StepProfile(MouseStep::Up); break;
        case Action::ProfileDown: m_mouse.StepProfile(MouseStep::Down); break;
        case Action::DpiUp: m_mouse.StepDpi(MouseStep::Up); break;
        case Action::DpiDown: m_mouse.StepDpi(MouseStep::Down); break;
        case Action::Rate: m_mouse.NextReportInterval(); break;
        case Action::SensUp: m_mouse.StepSensitivity(+1); break;
        case Action::SensDown: m_mouse.StepSensitivity(-1); break;
        default: m_mouse.SetPlugged(!m_mouse.Plugged()); break;
        }
    }
    InvalidateRect(Handle(), nullptr, FALSE);
}

void VirtualMouseWindow::Paint(HDC dc)
{
    RECT client;
    GetClientRect(Handle(), &client);
    FillRect(dc, &client, GetSysColorBrush(COLOR_BTNFACE));
    SelectObject(dc, GetStockObject(DEFAULT_GUI_FONT));
    SetBkMode(dc, TRANSPARENT);
    std::vector<std::string> lines = DescribeMemory(m_mouse.Memory());
    lines.push_back(m_mouse.Plugged() ? "Plugged in" : "Unplugged");
    int y = kMargin;
    for (const std::string& line : lines) {
        TextOutA(dc, kMargin, y, line.c_str(), static_cast<int>(line.size()));
        y += kLineHeight;
    }
    for (size_t i = 0; i < m_controls.size(); ++i) {
        RECT box = m_controls[i].Box;
        DrawEdge(dc, &box, static_cast<int>(i) == m_held ? EDGE_SUNKEN : EDGE_RAISED, BF_RECT | BF_ADJUST);
        DrawTextA(dc, m_controls[i].Label.c_str(), -1, &box, DT_CENTER | DT_VCENTER | DT_SINGLELINE);
    }
}

LRESULT VirtualMouseWindow::OnCopyData(const COPYDATASTRUCT* data)
{
    if (!data || data->dwData != kRemoteCommandTag) return FALSE;
    const auto command = DecodeRemoteCommand(data->lpData, data->cbData);
    if (!command) {
        DebugLog("vmouse: unknown command (%lu bytes) ignored\n", data->cbData);
        return FALSE;
    }
    switch (static_cast<RemoteCommandCode>(command->Code)) {
    case RemoteCommandCode::Event: m_mouse.SendEvent(command->Kind, command->Value); break;
    case RemoteCommandCode::Unplug: m_mouse.SetPlugged(false); break;
    case RemoteCommandCode::Plug: m_mouse.SetPlugged(true); break;
    case RemoteCommandCode::Quit: PostMessageA(Handle(), WM_CLOSE, 0, 0); break;
    }
    InvalidateRect(Handle(), nullptr, FALSE);
    return TRUE;
}

LRESULT VirtualMouseWindow::OnMessage(UINT message, WPARAM wParam, LPARAM lParam)
{
    switch (message) {
    case WM_PAINT: {
        PaintDc paint(Handle());
        Paint(paint.get());
        return 0;
    }
    case WM_ERASEBKGND:
        return 1;
    case WM_LBUTTONDOWN:
        m_held = ControlAt(static_cast<short>(LOWORD(lParam)), static_cast<short>(HIWORD(lParam)));
        if (m_held >= 0) {
            SetCapture(Handle());
            Use(m_controls[static_cast<size_t>(m_held)], true);
        }
        return 0;
    case WM_LBUTTONUP:
    case WM_CAPTURECHANGED:
        if (m_held >= 0) {
            const int held = m_held;
            m_held = -1;  // first, since ReleaseCapture sends WM_CAPTURECHANGED
            if (message == WM_LBUTTONUP) ReleaseCapture();
            Use(m_controls[static_cast<size_t>(held)], false);
        }
        return 0;
    case WM_COPYDATA:
        return OnCopyData(reinterpret_cast<const COPYDATASTRUCT*>(lParam));
    case kMessageRefresh:
        InvalidateRect(Handle(), nullptr, FALSE);
        return 0;
    case WM_DESTROY:
        PostQuitMessage(0);
        return 0;
    }
    return Default(message, wParam, lParam);
}
