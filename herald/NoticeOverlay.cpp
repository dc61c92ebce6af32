#include "NoticeOverlay.h"

#include <algorithm>

#include "Gdi.h"

namespace {

constexpr UINT_PTR kHoldTimer = 1;
constexpr UINT_PTR kFadeTimer = 2;

constexpr COLORREF kPanel = RGB(28, 29, 33);
constexpr COLORREF kRim = RGB(64, 66, 72);
constexpr COLORREF kAccent = RGB(250, 158, 57);
constexpr COLORREF kTextColour = RGB(242, 242, 244);

constexpr int kCorner = 14;
constexpr int kAccentWidth = 5;
constexpr int kPadX = 22, kPadY = 12, kLineGap = 2;
constexpr int kMinWidth = 180, kMaxWidth = 640;
constexpr int kBottomMargin = 90;

HFONT MakeFont(int height, int weight)
{
    return CreateFontA(-height, 0, 0, 0, weight, FALSE, FALSE, FALSE, DEFAULT_CHARSET, OUT_DEFAULT_PRECIS,
                       CLIP_DEFAULT_PRECIS, CLEARTYPE_QUALITY, DEFAULT_PITCH | FF_SWISS, "Segoe UI");
}

SIZE TextSize(HDC dc, HFONT font, const std::string& text)
{
    SIZE size{0, 0};
    if (text.empty()) return size;
    SelectScope select(dc, font);
    GetTextExtentPoint32A(dc, text.c_str(), static_cast<int>(text.size()), &size);
    return size;
}

}  // namespace

bool NoticeOverlay::Create()
{
    m_captionFont.reset(MakeFont(13, FW_SEMIBOLD));
    m_textFont.reset(MakeFont(22, FW_SEMIBOLD));
    return Window::Create(kNoticeOverlayClass, "", WS_POPUP,
                          WS_EX_TOPMOST | WS_EX_LAYERED | WS_EX_TRANSPARENT | WS_EX_NOACTIVATE | WS_EX_TOOLWINDOW, 0, 0,
                          kMinWidth, 60);
}

void NoticeOverlay::Destroy()
{
    if (Handle()) DestroyWindow(Handle());
}

SIZE NoticeOverlay::Measure() const
{
    WindowDc dc(Handle());
    const SIZE caption = TextSize(dc.get(), m_captionFont.get(), m_content.Caption);
    const SIZE text = TextSize(dc.get(), m_textFont.get(), m_content.Text.empty() ? std::string(" ") : m_content.Text);
    SIZE size;
    size.cx = std::clamp<LONG>(std::max(caption.cx, text.cx) + 2 * kPadX + kAccentWidth, kMinWidth, kMaxWidth);
    size.cy = 2 * kPadY + text.cy + (caption.cy > 0 ? caption.cy + kLineGap : 0);
    return size;
}

void NoticeOverlay::Show(const NoticeContent& content)
{
    if (!Handle()) return;
    m_content = content;
    SetWindowTextA(Handle(), content.Line().c_str());
    const SIZE size = Measure();
    RECT work{0, 0, GetSystemMetrics(SM_CXSCREEN), GetSystemMetrics(SM_CYSCREEN)};
    SystemParametersInfoA(SPI_GETWORKAREA, 0, &work, 0);
    const int x = work.left + (work.right - work.left - size.cx) / 2;
    const int y = work.bottom - kBottomMargin - size.cy;
    SetWindowRgn(Handle(), CreateRoundRectRgn(0, 0, size.cx + 1, size.cy + 1, kCorner, kCorner), FALSE);
    m_alpha = kOpaque;
    SetLayeredWindowAttributes(Handle(), 0, m_alpha, LWA_ALPHA);
    SetWindowPos(Handle(), HWND_TOPMOST, x, y, size.cx, size.cy, SWP_NOACTIVATE);
    ShowWindow(Handle(), SW_SHOWNOACTIVATE);
    InvalidateRect(Handle(), nullptr, FALSE);
    UpdateWindow(Handle());
    KillTimer(Handle(), kFadeTimer);
    SetTimer(Handle(), kHoldTimer, kHoldMs, nullptr);
}

void NoticeOverlay::OnTimer(UINT_PTR id)
{
    if (id == kHoldTimer) {
        KillTimer(Handle(), kHoldTimer);
        SetTimer(Handle(), kFadeTimer, kFadeStepMs, nullptr);
        return;
    }
    if (id != kFadeTimer) return;
    if (m_alpha <= kFadeStep) {
        KillTimer(Handle(), kFadeTimer);
        m_alpha = 0;
        ShowWindow(Handle(), SW_HIDE);
        return;
    }
    m_alpha = static_cast<BYTE>(m_alpha - kFadeStep);
    SetLayeredWindowAttributes(Handle(), 0, m_alpha, LWA_ALPHA);
}

void NoticeOverlay::Paint(HDC dc) const
{
    RECT client;
    GetClientRect(Handle(), &client);
    const int w = client.right, h = client.bottom;
    // Drawn off screen and copied in one go, so a replaced notice never flickers.
    OffscreenBitmap memory(dc, w, h);
    {
        UniqueGdi<HBRUSH> panel(CreateSolidBrush(kPanel));
        UniqueGdi<HPEN> rim(CreatePen(PS_SOLID, 1, kRim));
        SelectScope brush(memory.get(), panel.get());
        SelectScope pen(memory.get(), rim.get());
        RoundRect(memory.get(), 0, 0, w, h, kCorner, kCorner);
    }

    UniqueGdi<HBRUSH> accent(CreateSolidBrush(kAccent));
    const RECT bar{0, 0, kAccentWidth, h};
    FillRect(memory.get(), &bar, accent.get());

    SetBkMode(memory.get(), TRANSPARENT);
    int top = kPadY;
    const int left = kAccentWidth + kPadX;
    if (!m_content.Caption.empty()) {
        SelectScope font(memory.get(), m_captionFont.get());
        SetTextColor(memory.get(), kAccent);
        RECT line{left, top, w - kPadX, h};
        top += DrawTextA(memory.get(), m_content.Caption.c_str(), -1, &line, DT_LEFT | DT_TOP | DT_SINGLELINE | DT_NOPREFIX) +
               kLineGap;
    }
    SelectScope font(memory.get(), m_textFont.get());
    SetTextColor(memory.get(), kTextColour);
    RECT line{left, top, w - kPadX, h - kPadY};
    DrawTextA(memory.get(), m_content.Text.c_str(), -1, &line,
              DT_LEFT | DT_TOP | DT_SINGLELINE | DT_NOPREFIX | DT_END_ELLIPSIS);
    memory.CopyTo(dc);
}

LRESULT NoticeOverlay::OnMessage(UINT message, WPARAM wParam, LPARAM lParam)
{
    switch (message) {
    case WM_MOUSEACTIVATE:
        return MA_NOACTIVATE;
    case WM_NCHITTEST:
        return HTTRANSPARENT;
    case WM_ERASEBKGND:
        return 1;
    case WM_TIMER:
        OnTimer(wParam);
        return 0;
    case WM_PAINT: {
        PaintDc paint(Handle());
        Paint(paint.get());
        return 0;
    }
    default:
        return Default(message, wParam, lParam);
    }
}
