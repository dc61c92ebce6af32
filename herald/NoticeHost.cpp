#include "NoticeHost.h"

#include "DebugLog.h"
#include "ProcessLink.h"

namespace {

constexpr char kHostClass[] = "HeraldHost";

}  // namespace

bool NoticeHost::Create()
{
    if (!m_overlay.Create()) return false;
    return Window::Create(kHostClass, kNoticeTitle, WS_POPUP, WS_EX_TOOLWINDOW, 0, 0, 0, 0);
}

LRESULT NoticeHost::OnMessage(UINT message, WPARAM wParam, LPARAM lParam)
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
        DestroyWindow(Handle());
        return 0;
    case WM_DESTROY:
        m_overlay.Destroy();
        PostQuitMessage(0);
        return 0;
    default:
        return Default(message, wParam, lParam);
    }
}
