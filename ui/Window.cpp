#include "Window.h"

#include <exception>
#include <utility>

#include "DebugLog.h"

namespace {

// The object whose window is being created on this thread: it receives the messages that
// arrive before CreateWindowEx returns (WM_GETMINMAXINFO comes even before WM_NCCREATE).
thread_local Window* t_creating = nullptr;
const char kObjectProperty[] = "KestrinVardo.Window";

}  // namespace

Window::~Window()
{
    if (m_hwnd) {
        RemovePropA(m_hwnd, kObjectProperty);
        if (m_previous) SetWindowLongPtrA(m_hwnd, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(m_previous));
        DestroyWindow(m_hwnd);
    }
}

bool Window::Create(const char* className, const char* title, DWORD style, DWORD exStyle, int x, int y,
                    int width, int height, HWND parent, HMENU menu)
{
    HINSTANCE instance = GetModuleHandleA(nullptr);
    WNDCLASSEXA existing{sizeof existing};
    if (!GetClassInfoExA(instance, className, &existing)) {
        WNDCLASSEXA wc{sizeof wc};
        wc.lpfnWndProc = &Window::Procedure;
        wc.hInstance = instance;
        wc.lpszClassName = className;
        if (!RegisterClassExA(&wc)) return false;
    }
    t_creating = this;
    HWND hwnd = CreateWindowExA(exStyle, className, title, style, x, y, width, height, parent, menu, instance, nullptr);
    t_creating = nullptr;
    return hwnd != nullptr;
}

bool Window::Attach(HWND hwnd)
{
    if (!hwnd || m_hwnd || FromHandle(hwnd)) return false;
    m_hwnd = hwnd;
    SetPropA(hwnd, kObjectProperty, this);
    m_previous = reinterpret_cast<WNDPROC>(
        SetWindowLongPtrA(hwnd, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(&Window::Procedure)));
    return true;
}

bool Window::PreTranslateMessage(MSG&) { return false; }

Window* Window::FromHandle(HWND hwnd)
{
    return static_cast<Window*>(GetPropA(hwnd, kObjectProperty));
}

LRESULT Window::OnMessage(UINT message, WPARAM wParam, LPARAM lParam) { return Default(message, wParam, lParam); }

LRESULT Window::Default(UINT message, WPARAM wParam, LPARAM lParam)
{
    if (m_previous) return CallWindowProcA(m_previous, m_hwnd, message, wParam, lParam);
    return DefWindowProcA(m_hwnd, message, wParam, lParam);
}

LRESULT Window::Default() { return Default(m_current.message, m_current.wParam, m_current.lParam); }

LRESULT CALLBACK Window::Procedure(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam)
{
    Window* self = FromHandle(hwnd);
    if (!self && t_creating) {
        self = t_creating;
        t_creating = nullptr;
        self->m_hwnd = hwnd;
        SetPropA(hwnd, kObjectProperty, self);
    }
    if (!self) return DefWindowProcA(hwnd, message, wParam, lParam);

    LRESULT result = 0;
    const Current outer = std::exchange(self->m_current, Current{message, wParam, lParam});
    try {
        result = self->OnMessage(message, wParam, lParam);
    } catch (const std::exception& e) {
        DebugLog("Window: message %u failed: %s\n", message, e.what());
        result = self->Default(message, wParam, lParam);
    } catch (...) {
        DebugLog("Window: message %u failed\n", message);
        result = self->Default(message, wParam, lParam);
    }
    self->m_current = outer;
    if (message == WM_NCDESTROY) {
        RemovePropA(hwnd, kObjectProperty);
        if (self->m_previous) SetWindowLongPtrA(hwnd, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(self->m_previous));
        self->m_previous = nullptr;
        self->m_hwnd = nullptr;
        self->OnFinalDestroy();
    }
    return result;
}
