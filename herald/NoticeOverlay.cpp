#include "NoticeOverlay.h"

#include <algorithm>

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
    HGDIOBJ old = SelectObject(dc, font);
    GetTextExtentPoint32A(dc, text.c_str(), static_cast<int>(text.size()), &size);
    SelectObject(dc, old);
    return size;
}

}  // namespace

bool NoticeOverlay::Create(HINSTANCE instance)
{
    WNDCLASSA wc{};
    wc.lpfnWndProc = &NoticeOverlay::Procedure;
    wc.hInstance = instance;
    wc.lpszClassName = kNoticeOverlayClass;
    wc.hCursor = LoadCursor(nullptr, IDC_ARROW);
    RegisterClassA(&wc);
    m_captionFont.reset(MakeFont(13, FW_SEMIBOLD));
    m_textFont.reset(MakeFont(22, FW_SEMIBOLD));
    m_hwnd = CreateWindowExA(WS_EX_TOPMOST | WS_EX_LAYERED | WS_EX_TRANSPARENT | WS_EX_NOACTIVATE | WS_EX_TOOLWINDOW,
                             kNoticeOverlayClass, "", WS_POPUP, 0, 0, kMinWidth, 60, nullptr, nullptr, instance, this);
    return m_hwnd != nullptr;
}

void NoticeOverlay::Destroy()
{
    if (m_hwnd) DestroyWindow(m_hwnd);
    m_hwnd = nullptr;
}

SIZE NoticeOverlay::Measure() const
{
    HDC dc = GetDC(m_hwnd);
    const SIZE caption = TextSize(dc, m_captionFont.get(), m_content.Caption);
    const SIZE text = TextSize(dc, m_textFont.get(), m_content.Text.empty() ? std::string(" ") : m_content.Text);
    ReleaseDC(m_hwnd, dc);
    SIZE size;
    size.cx = std::clamp<LONG>(std::max(caption.cx, text.cx) + 2 * kPadX + kAccentWidth, kMinWidth, kMaxWidth);
    size.cy = 2 * kPadY + text.cy + (caption.cy > 0 ? caption.cy + kLineGap : 0);
    return size;
}

void NoticeOverlay::Show(const NoticeContent& content)
{
    if (!m_hwnd) return;
    m_content = content;
    SetWindowTextA(m_hwnd, content.Line().c_str());
    const SIZE size = Measure();
    RECT work{0, 0, GetSystemMetrics(SM_CXSCREEN), GetSystemMetrics(SM_CYSCREEN)};
    SystemParametersInfoA(SPI_GETWORKAREA, 0, &work, 0);
    const int x = work.left + (work.right - work.left - size.cx) / 2;
    const int y = work.bottom - kBottomMargin - size.cy;
    SetWindowRgn(m_hwnd, CreateRoundRectRgn(0, 0, size.cx + 1, size.cy + 1, kCorner, kCorner), FALSE);
    m_alpha = kOpaque;
    SetLayeredWindowAttributes(m_hwnd, 0, m_alpha, LWA_ALPHA);
    SetWindowPos(m_hwnd, HWND_TOPMOST, x, y, size.cx, size.cy, SWP_NOACTIVATE);
    ShowWindow(m_hwnd, SW_SHOWNOACTIVATE);
    InvalidateRect(m_hwnd, nullptr, FALSE);
    UpdateWindow(m_hwnd);
    KillTimer(m_hwnd, kFadeTimer);
    SetTimer(m_hwnd, kHoldTimer, kHoldMs, nullptr);
}

void NoticeOverlay::OnTimer(UINT_PTR id)
{
    if (id == kHoldTimer) {
        KillTimer(m_hwnd, kHoldTimer);
        SetTimer(m_hwnd, kFadeTimer, kFadeStepMs, nullptr);
        return;
    }
    if (id != kFadeTimer) return;
    if (m_alpha <= kFadeStep) {
        KillTimer(m_hwnd, kFadeTimer);
        m_alpha = 0;
        ShowWindow(m_hwnd, SW_HIDE);
        return;
    }
    m_alpha = static_cast<BYTE>(m_alpha - kFadeStep);
    SetLayeredWindowAttributes(m_hwnd, 0, m_alpha, LWA_ALPHA);
}

void NoticeOverlay::Paint(HDC dc) const
{
    RECT client;
    GetClientRect(m_hwnd, &client);
    const int w = client.right, h = client.bottom;
    // Drawn off screen and copied in one go, so a replaced notice never flickers.
    HDC memory = CreateCompatibleDC(dc);
    UniqueGdi<HBITMAP> bitmap(CreateCompatibleBitmap(dc, w, h));
    HGDIOBJ oldBitmap = SelectObject(memory, bitmap.get());

    UniqueGdi<HBRUSH> panel(CreateSolidBrush(kPanel));
    UniqueGdi<HPEN> rim(CreatePen(PS_SOLID, 1, kRim));
    HGDIOBJ oldBrush = SelectObject(memory, panel.get());
    HGDIOBJ oldPen = SelectObject(memory, rim.get());
    RoundRect(memory, 0, 0, w, h, kCorner, kCorner);
    SelectObject(memory, oldPen);
    SelectObject(memory, oldBrush);

    UniqueGdi<HBRUSH> accent(CreateSolidBrush(kAccent));
    const RECT bar{0, 0, kAccentWidth, h};
    FillRect(memory, &bar, accent.get());

    SetBkMode(memory, TRANSPARENT);
    int top = kPadY;
    const int left = kAccentWidth + kPadX;
    if (!m_content.Caption.empty()) {
        HGDIOBJ old = SelectObject(memory, m_captionFont.get());
        SetTextColor(memory, kAccent);
        RECT line{left, top, w - kPadX, h};
        top += DrawTextA(memory, m_content.Caption.c_str(), -1, &line, DT_LEFT | DT_TOP | DT_SINGLELINE | DT_NOPREFIX) +
               kLineGap;
        SelectObject(memory, old);
    }
    HGDIOBJ old = SelectObject(memory, m_textFont.get());
    SetTextColor(memory, kTextColour);
    RECT line{left, top, w - kPadX, h - kPadY};
    DrawTextA(memory, m_content.Text.c_str(), -1, &line, DT_LEFT | DT_TOP | DT_SINGLELINE | DT_NOPREFIX | DT_END_ELLIPSIS);
    SelectObject(memory, old);

    BitBlt(dc, 0, 0, w, h, memory, 0, 0, SRCCOPY);
    SelectObject(memory, oldBitmap);
    DeleteDC(memory);
}

LRESULT CALLBACK NoticeOverlay::Procedure(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam)
{
    if (message == WM_NCCREATE) {
        SetWindowLongPtrA(hwnd, GWLP_USERDATA,
                          reinterpret_cast<LONG_PTR>(reinterpret_cast<CREATESTRUCTA*>(lParam)->lpCreateParams));
    }
    auto* self = reinterpret_cast<NoticeOverlay*>(GetWindowLongPtrA(hwnd, GWLP_USERDATA));
    switch (message) {
    case WM_MOUSEACTIVATE:
        return MA_NOACTIVATE;
    case WM_NCHITTEST:
        return HTTRANSPARENT;
    case WM_ERASEBKGND:
        return 1;
    case WM_TIMER:
        if (self) self->OnTimer(wParam);
        return 0;
    case WM_PAINT: {
        PAINTSTRUCT ps;
        HDC dc = BeginPaint(hwnd, &ps);
        if (self) self->Paint(dc);
        EndPaint(hwnd, &ps);
        return 0;
    }
    default:
        return DefWindowProcA(hwnd, message, wParam, lParam);
    }
}
