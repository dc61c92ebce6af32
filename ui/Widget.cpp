#include "Widget.h"

#include <windowsx.h>

#include "OwnerDrawnMenu.h"

bool Widget::CreateControl(const char* className, const char* text, DWORD style, DWORD exStyle, const RECT& rect,
                           HWND parent, UINT id)
{
    HWND hwnd = CreateWindowExA(exStyle, className, text, style, rect.left, rect.top, rect.right - rect.left,
                                rect.bottom - rect.top, parent, reinterpret_cast<HMENU>(static_cast<UINT_PTR>(id)),
                                GetModuleHandleA(nullptr), nullptr);
    if (!hwnd) return false;
    if (Attach(hwnd)) return true;
    DestroyWindow(hwnd);
    return false;
}

Widget* Widget::FromHandle(HWND hwnd) { return hwnd ? dynamic_cast<Widget*>(Window::FromHandle(hwnd)) : nullptr; }

LRESULT Widget::DispatchParentMessage(UINT message, WPARAM wParam, LPARAM lParam, bool& handled)
{
    handled = true;
    switch (message) {
    case WM_DRAWITEM: {
        const auto& item = *reinterpret_cast<const DRAWITEMSTRUCT*>(lParam);
        if (item.CtlType == ODT_MENU) {
            if (OwnerDrawnMenu::DrawItem(item)) return TRUE;
        } else if (Widget* control = FromHandle(item.hwndItem); control && control->OnReflectDrawItem(item)) {
            return TRUE;
        }
        break;
    }
    case WM_MEASUREITEM: {
        auto& item = *reinterpret_cast<MEASUREITEMSTRUCT*>(lParam);
        if (item.CtlType == ODT_MENU) {
            if (OwnerDrawnMenu::MeasureItem(item)) return TRUE;
        } else if (Widget* control = FromHandle(GetDlgItem(Handle(), static_cast<int>(item.CtlID)));
                   control && control->OnReflectMeasureItem(item)) {
            return TRUE;
        }
        break;
    }
    case WM_CTLCOLOREDIT:
    case WM_CTLCOLORLISTBOX:
    case WM_CTLCOLORSTATIC:
    case WM_CTLCOLORBTN:
        if (Widget* control = FromHandle(reinterpret_cast<HWND>(lParam)))
            if (HBRUSH brush = control->OnReflectCtlColor(reinterpret_cast<HDC>(wParam)))
                return reinterpret_cast<LRESULT>(brush);
        break;
    case WM_COMMAND:
        if (Widget* control = FromHandle(reinterpret_cast<HWND>(lParam)); control && control->OnReflectCommand(HIWORD(wParam)))
            return 0;
        return OnCommand(LOWORD(wParam), HIWORD(wParam), reinterpret_cast<HWND>(lParam));
    default:
        break;
    }
    handled = false;
    return 0;
}

LRESULT Widget::OnMessage(UINT message, WPARAM wParam, LPARAM lParam)
{
    const POINT point{GET_X_LPARAM(lParam), GET_Y_LPARAM(lParam)};
    const UINT keys = static_cast<UINT>(wParam);
    switch (message) {
    case WM_CREATE: return OnCreate(*reinterpret_cast<CREATESTRUCTA*>(lParam));
    case WM_DESTROY: return OnDestroy();
    case WM_PAINT: return OnPaint();
    case WM_ERASEBKGND: return OnEraseBackground(reinterpret_cast<HDC>(wParam));
    case WM_LBUTTONDOWN: return OnLButtonDown(keys, point);
    case WM_LBUTTONUP: return OnLButtonUp(keys, point);
    case WM_RBUTTONDOWN: return OnRButtonDown(keys, point);
    case WM_MOUSEMOVE: return OnMouseMove(keys, point);
    case WM_MOUSEWHEEL: return OnMouseWheel(GET_WHEEL_DELTA_WPARAM(wParam), GET_KEYSTATE_WPARAM(wParam), point);
    case WM_SETFOCUS: return OnSetFocus(reinterpret_cast<HWND>(wParam));
    case WM_KILLFOCUS: return OnKillFocus(reinterpret_cast<HWND>(wParam));
    case WM_CAPTURECHANGED: return OnCaptureChanged(reinterpret_cast<HWND>(lParam));
    case WM_KEYDOWN: return OnKeyDown(static_cast<UINT>(wParam), lParam);
    case WM_KEYUP: return OnKeyUp(static_cast<UINT>(wParam), lParam);
    case WM_VSCROLL: return OnVScroll(LOWORD(wParam), reinterpret_cast<HWND>(lParam));
    default: break;
    }
    bool handled = false;
    const LRESULT result = DispatchParentMessage(message, wParam, lParam, handled);
    if (handled) return result;
    if (message == WM_COMMAND || message == WM_DRAWITEM || message == WM_MEASUREITEM ||
        (message >= WM_CTLCOLORMSGBOX && message <= WM_CTLCOLORSTATIC))
        return Default();
    return OnOtherMessage(message, wParam, lParam);
}

LRESULT Widget::OnCreate(CREATESTRUCTA&) { return Default(); }
LRESULT Widget::OnDestroy() { return Default(); }
LRESULT Widget::OnPaint() { return Default(); }
LRESULT Widget::OnEraseBackground(HDC) { return Default(); }
LRESULT Widget::OnLButtonDown(UINT, POINT) { return Default(); }
LRESULT Widget::OnLButtonUp(UINT, POINT) { return Default(); }
LRESULT Widget::OnRButtonDown(UINT, POINT) { return Default(); }
LRESULT Widget::OnMouseMove(UINT, POINT) { return Default(); }
LRESULT Widget::OnMouseWheel(int, UINT, POINT) { return Default(); }
LRESULT Widget::OnSetFocus(HWND) { return Default(); }
LRESULT Widget::OnKillFocus(HWND) { return Default(); }
LRESULT Widget::OnCaptureChanged(HWND) { return Default(); }
LRESULT Widget::OnKeyDown(UINT, LPARAM) { return Default(); }
LRESULT Widget::OnKeyUp(UINT, LPARAM) { return Default(); }
LRESULT Widget::OnCommand(UINT, UINT, HWND) { return Default(); }
LRESULT Widget::OnVScroll(UINT, HWND) { return Default(); }
LRESULT Widget::OnOtherMessage(UINT, WPARAM, LPARAM) { return Default(); }
bool Widget::OnReflectDrawItem(const DRAWITEMSTRUCT&) { return false; }
bool Widget::OnReflectMeasureItem(MEASUREITEMSTRUCT&) { return false; }
HBRUSH Widget::OnReflectCtlColor(HDC) { return nullptr; }
bool Widget::OnReflectCommand(UINT) { return false; }
