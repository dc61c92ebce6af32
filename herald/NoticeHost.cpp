#include "NoticeHost.h"

#include "DebugLog.h"
#include "ProcessLink.h"

namespace {

constexpr char kHostClass[] = "HeraldHost";

}  // namespace

bool NoticeHost::Create(HINSTANCE instance)
{
    WNDCLASSA wc{};
    wc.lpfnWndProc = &NoticeHost::Procedure;
    wc.hInstance = instance;
    wc.lpszClassName = kHostClass;
    RegisterClassA(&wc);
    if (!m_overlay.Create(instance)) return false;
    return CreateWindowExA(WS_EX_TOOLWINDOW, kHostClass, kNoticeTitle, WS_POPUP, 0, 0, 0, 0, nullptr, nullptr, instance,
                           this) != nullptr;
}

LRESULT CALLBACK NoticeHost::Procedure(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam)
{
    if (message == WM_NCCREATE) {
        SetWindowLongPtrA(hwnd, GWLP_USERDATA,
                          reinterpret_cast<LONG_PTR>(reinterpret_cast<CREATESTRUCTA*>(lParam)->lpCreateParams));
    }
    auto* self = reinterpret_cast<NoticeHost*>(GetWindowLongPtrA(hwnd, GWLP_USERDATA));
    return self ? self->OnMessage(hwnd, message, wParam, lParam) : DefWindowProcA(hwnd, message, wParam, lParam);
}

LRESULT NoticeHost::OnMessage(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam)
{
    switch (message) {
    case kMsgNotice: {
        const NoticeContent content = ReadNotice(m_folder, static_cast<unsigned>(wParam), static_cast<long>(lParam));
        // An empty text (the DPI levels without a value) shows nothing rather than an empty panel.
        if (!content.Text.empty()) m_overlay.Show(content);
        return 0;
    }
    case kMsgDeviceChange:
        // The two values Monitor passes on after a hand-over; this notice program has no use for them.
        DebugLog("Herald: settings values %04lx %04lx\n", static_cast<unsigned long>(lParam >> 16) & 0xFFFF,
                 static_cast<unsigned long>(lParam) & 0xFFFF);
        return 0;
    case WM_CLOSE:
        DestroyWindow(hwnd);
        return 0;
    case WM_DESTROY:
        m_overlay.Destroy();
        PostQuitMessage(0);
        return 0;
    default:
        return DefWindowProcA(hwnd, message, wParam, lParam);
    }
}
