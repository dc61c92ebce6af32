#include "SkinTestSupport.h"

#include <iomanip>

#include "CBitmapEdit.h"
#include "Gdi.h"
#include "MessageLoop.h"
#include "SkinFolder.h"
#include "SkinMessages.h"
#include "SyntheticMouse.h"

std::ostream& operator<<(std::ostream& out, const Notice& n)
{
    return out << "{message " << n.message << ", wParam " << static_cast<long long>(n.wParam) << ", lParam "
               << static_cast<long long>(n.lParam) << "}";
}

void PrintTo(const Notice& notice, std::ostream* out) { *out << notice; }

NoticeHost& NoticeHost::Shared()
{
    static NoticeHost* host = [] {
        auto* created = new NoticeHost;
        created->Create("KestrinVardo.TestHost", "skin test", WS_POPUP | WS_VISIBLE | WS_CLIPCHILDREN, 0, 100, 100, 400,
                        300);
        return created;
    }();
    host->Activate();
    host->notices.clear();
    return *host;
}

void NoticeHost::Activate()
{
    SetWindowPos(Handle(), HWND_TOP, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE | SWP_SHOWWINDOW);
    SetForegroundWindow(Handle());
    SetActiveWindow(Handle());
    // The display maps the window in its own time; input sent before that goes elsewhere.
    UpdateWindow(Handle());
    Pump(150);
}

std::vector<Notice> NoticeHost::Take() { return std::exchange(notices, {}); }

LRESULT NoticeHost::OnCommand(UINT id, UINT code, HWND control)
{
    if (code == BN_CLICKED) notices.push_back({WM_COMMAND, code, reinterpret_cast<LPARAM>(control)});
    return Widget::OnCommand(id, code, control);
}

LRESULT NoticeHost::OnOtherMessage(UINT message, WPARAM wParam, LPARAM lParam)
{
    if (message == WM_SLIDER_POS || message == WM_SPIN_VALUE || message == WM_EDIT_RETURN || message == WM_SKIN_HOVER ||
        message == WM_LIST_EDITED || message == WM_LIST_RBUTTON || message == BitmapEditKillFocusMessage())
        notices.push_back({message, wParam, lParam});
    return Widget::OnOtherMessage(message, wParam, lParam);
}

void Pump(int milliseconds)
{
    const DWORD end = GetTickCount() + static_cast<DWORD>(milliseconds);
    do {
        PumpMessages();
        Sleep(5);
    } while (static_cast<LONG>(end - GetTickCount()) > 0);
    PumpMessages();
}

void MouseTo(HWND window, int x, int y)
{
    const POINT p = SendMouseMove(window, x, y);
    POINT now{};
    for (int i = 0; i < 50 && GetCursorPos(&now) && (now.x != p.x || now.y != p.y); ++i) Pump(10);
    Pump(40);
}

void MouseButton(bool down)
{
    INPUT input{};
    input.type = INPUT_MOUSE;
    input.mi.dwFlags = down ? MOUSEEVENTF_LEFTDOWN : MOUSEEVENTF_LEFTUP;
    SendInput(1, &input, sizeof input);
    Pump(40);
}

UniqueGdi<HBITMAP> SolidBitmap(int width, int height, COLORREF colour)
{
    WindowDc screen(nullptr);
    UniqueGdi<HBITMAP> bitmap(CreateCompatibleBitmap(screen.get(), width, height));
    MemoryDc dc(screen.get());
    SelectScope select(dc.get(), bitmap.get());
    UniqueGdi<HBRUSH> brush(CreateSolidBrush(colour));
    const RECT all{0, 0, width, height};
    FillRect(dc.get(), &all, brush.get());
    return bitmap;
}

COLORREF ScreenPixel(HWND window, int x, int y)
{
    POINT p{x, y};
    ClientToScreen(window, &p);
    WindowDc screen(nullptr);
    return GetPixel(screen.get(), p.x, p.y);
}
