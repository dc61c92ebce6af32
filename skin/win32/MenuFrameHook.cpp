#include "MenuFrameHook.h"

#include <memory>
#include <unordered_map>

#include "Gdi.h"
#include "Guard.h"
#include "UniqueResource.h"

namespace {

const char kOldProcProperty[] = "CoolMenu_oldProc";
constexpr UINT kMenuSizeMessage = 0x1E2;

struct Frame {
    HWND window;
};

struct HookState {
    UniqueHook hook;
    std::unique_ptr<std::unordered_map<HWND, std::unique_ptr<Frame>>> frames;
};

// The hook is per user-interface thread.
thread_local HookState t_state;

bool IsMenuWindow(HWND hwnd)
{
    char name[16] = {};
    return GetClassNameA(hwnd, name, sizeof name) && lstrcmpA(name, "#32768") == 0;
}

WNDPROC OldProcedure(HWND hwnd) { return reinterpret_cast<WNDPROC>(GetPropA(hwnd, kOldProcProperty)); }

void DrawFrame(HWND hwnd, HDC dc)
{
    RECT r{};
    GetWindowRect(hwnd, &r);
    OffsetRect(&r, -r.left, -r.top);
    UniqueGdi<HBRUSH> orange(CreateSolidBrush(RGB(250, 158, 57)));
    FrameRect(dc, &r, orange.get());
    for (int i = 0; i < 2; ++i) {
        InflateRect(&r, -1, -1);
        FrameRect(dc, &r, static_cast<HBRUSH>(GetStockObject(BLACK_BRUSH)));
    }
}

void Unframe(HWND hwnd)
{
    if (WNDPROC old = OldProcedure(hwnd)) SetWindowLongPtrA(hwnd, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(old));
    RemovePropA(hwnd, kOldProcProperty);
    if (!t_state.frames) return;
    t_state.frames->erase(hwnd);
    if (t_state.frames->empty()) t_state.frames.reset();
}

LRESULT CALLBACK FrameProcedure(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam)
{
    const WNDPROC old = OldProcedure(hwnd);
    if (!old) return DefWindowProcA(hwnd, message, wParam, lParam);
    return Guarded("Menu frame", LRESULT{0}, [&]() -> LRESULT {
        switch (message) {
        case WM_NCPAINT: {
            WindowDc dc(hwnd, true);
            DrawFrame(hwnd, dc.get());
            return 0;
        }
        case WM_PAINT: {
            // Where the system draws the menu's border inside the client area (Wine does),
            // the frame goes over it once the menu has painted.
            const LRESULT result = CallWindowProcA(old, hwnd, message, wParam, lParam);
            WindowDc dc(hwnd, true);
            DrawFrame(hwnd, dc.get());
            return result;
        }
        case WM_PRINT: {
            const LRESULT result = CallWindowProcA(old, hwnd, message, wParam, lParam);
            DrawFrame(hwnd, reinterpret_cast<HDC>(wParam));
            return result;
        }
        case WM_SHOWWINDOW:
            if (wParam) break;
            [[fallthrough]];
        case WM_NCDESTROY:
            Unframe(hwnd);
            break;
        default:
            break;
        }
        return CallWindowProcA(old, hwnd, message, wParam, lParam);
    });
}

void FrameWindow(HWND hwnd)
{
    if (!t_state.frames) t_state.frames = std::make_unique<std::unordered_map<HWND, std::unique_ptr<Frame>>>(1000);
    (*t_state.frames)[hwnd] = std::make_unique<Frame>(Frame{hwnd});
    SetPropA(hwnd, kOldProcProperty, reinterpret_cast<HANDLE>(GetWindowLongPtrA(hwnd, GWLP_WNDPROC)));
    if (!SetWindowLongPtrA(hwnd, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(&FrameProcedure))) {
        RemovePropA(hwnd, kOldProcProperty);
        t_state.frames->erase(hwnd);
    }
}

LRESULT CALLBACK HookProcedure(int code, WPARAM wParam, LPARAM lParam)
{
    if (code == HC_ACTION) {
        const auto* call = reinterpret_cast<const CWPSTRUCT*>(lParam);
        if ((call->message == WM_CREATE || call->message == kMenuSizeMessage) && IsMenuWindow(call->hwnd) &&
            !GetPropA(call->hwnd, kOldProcProperty))
            Guarded("Menu frame hook", 0, [&] {
                FrameWindow(call->hwnd);
                return 0;
            });
    }
    return CallNextHookEx(nullptr, code, wParam, lParam);
}

}  // namespace

void InstallMenuFrameHook()
{
    if (t_state.hook) return;
    t_state.frames = std::make_unique<std::unordered_map<HWND, std::unique_ptr<Frame>>>(1000);
    t_state.hook.reset(SetWindowsHookExA(WH_CALLWNDPROC, &HookProcedure, nullptr, GetCurrentThreadId()));
}

void RemoveMenuFrameHook()
{
    while (t_state.frames && !t_state.frames->empty()) Unframe(t_state.frames->begin()->first);
    t_state.frames.reset();
    t_state.hook.reset();
}

bool IsMenuFramed(HWND menuWindow)
{
    return GetPropA(menuWindow, kOldProcProperty) != nullptr &&
           GetWindowLongPtrA(menuWindow, GWLP_WNDPROC) == reinterpret_cast<LONG_PTR>(&FrameProcedure);
}
