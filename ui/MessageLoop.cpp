#include "MessageLoop.h"

#include "Window.h"

namespace {

bool IsDialogWindow(HWND hwnd)
{
    char name[16] = {};
    return GetClassNameA(hwnd, name, sizeof name) && lstrcmpA(name, "#32770") == 0;
}

}  // namespace

bool PreTranslate(MSG& msg)
{
    for (HWND h = msg.hwnd; h;) {
        if (Window* window = Window::FromHandle(h); window && window->PreTranslateMessage(msg)) return true;
        if (!(GetWindowLongA(h, GWL_STYLE) & WS_CHILD)) break;
        h = GetParent(h);
    }
    return false;
}

void ProcessMessage(MSG& msg)
{
    if (PreTranslate(msg)) return;
    if (msg.hwnd) {
        HWND root = GetAncestor(msg.hwnd, GA_ROOT);
        if (root && IsDialogWindow(root) && IsDialogMessageA(root, &msg)) return;
    }
    TranslateMessage(&msg);
    DispatchMessageA(&msg);
}

bool PumpMessages()
{
    MSG msg;
    while (PeekMessageA(&msg, nullptr, 0, 0, PM_REMOVE)) {
        if (msg.message == WM_QUIT) {
            PostQuitMessage(static_cast<int>(msg.wParam));
            return false;
        }
        ProcessMessage(msg);
    }
    return true;
}

int RunMessageLoop(const bool* done)
{
    MSG msg;
    while (!(done && *done)) {
        const BOOL got = GetMessageA(&msg, nullptr, 0, 0);
        if (got == -1) return -1;
        if (got == 0) {
            if (done) PostQuitMessage(static_cast<int>(msg.wParam));  // for the outer loop too
            return static_cast<int>(msg.wParam);
        }
        ProcessMessage(msg);
    }
    return 0;
}
