#include "CSkinButton.h"

#include "Gdi.h"
#include "SkinMessages.h"
#include "SkinPicture.h"

bool CSkinButton::Create(const char* caption, DWORD style, const RECT& rect, HWND parent, UINT id)
{
    if (!CreateControl("BUTTON", caption, style | WS_CHILD, 0, rect, parent, id)) return false;
    // Owner-drawn, keeping the low style bits of whatever kind it was made; no tab stop.
    const LONG current = GetWindowLongA(Handle(), GWL_STYLE);
    SendMessageA(Handle(), BM_SETSTYLE, (current & ~BS_TYPEMASK & ~WS_TABSTOP) | BS_OWNERDRAW, TRUE);
    SetWindowLongA(Handle(), GWL_STYLE, (GetWindowLongA(Handle(), GWL_STYLE) & ~WS_TABSTOP) | BS_OWNERDRAW);
    return true;
}

bool CSkinButton::CreateFromSkin(HWND parent, const SkinControlPos& pos, const SkinPictures& p)
{
    const RECT rect{pos.rect.left, pos.rect.top, pos.rect.right, pos.rect.bottom};
    if (!Create("", WS_VISIBLE, rect, parent, 0)) return false;
    SetSkin(rect.left, rect.top, rect.right, rect.bottom, p.normal, p.over, p.down, p.disable);
    SetCheck(pos.checked != 0);
    SetTooltip(pos.tooltip);
    return true;
}

void CSkinButton::SetSkin(int left, int top, int right, int bottom, HBITMAP normal, HBITMAP over, HBITMAP down,
                          HBITMAP disable)
{
    m_normal.reset();
    m_over.reset();
    m_down.reset();
    m_disable.reset();
    {
        WindowDc dc(Handle());
        CutSkinPicture(dc.get(), m_normal, normal, left, top, right, bottom);
        CutSkinPicture(dc.get(), m_over, over, left, top, right, bottom);
        CutSkinPicture(dc.get(), m_down, down, left, top, right, bottom);
        CutSkinPicture(dc.get(), m_disable, disable, left, top, right, bottom);
    }
    SetWindowLongA(Handle(), GWL_STYLE, GetWindowLongA(Handle(), GWL_STYLE) & ~(WS_BORDER | WS_TABSTOP));
    SetWindowLongA(Handle(), GWL_EXSTYLE, GetWindowLongA(Handle(), GWL_EXSTYLE) & ~(WS_EX_CLIENTEDGE | WS_EX_STATICEDGE));
}

void CSkinButton::SetCheck(bool checked)
{
    if (checked == m_checked) return;
    m_checked = checked;
    InvalidateRect(Handle(), nullptr, FALSE);
}

void CSkinButton::SetHover(bool hover)
{
    m_hover = hover;
    NotifyHover(hover);
}

void CSkinButton::NotifyHover(bool entered)
{
    PostMessageA(GetParent(Handle()), WM_SKIN_HOVER, entered ? 1 : 0, m_userValue);
}

ButtonPicture CSkinButton::Choose(bool selected, bool disabled) const
{
    return ChooseButtonPicture({m_toggle, m_checked, selected, m_hover, disabled});
}

ButtonPicture CSkinButton::CurrentPicture() const
{
    const LRESULT state = SendMessageA(Handle(), BM_GETSTATE, 0, 0);
    return Choose((state & BST_PUSHED) != 0, !IsWindowEnabled(Handle()));
}

HBITMAP CSkinButton::Picture(ButtonPicture which) const
{
    switch (which) {
    case ButtonPicture::Over: return m_over.get();
    case ButtonPicture::Down: return m_down.get();
    case ButtonPicture::Disable: return m_disable.get();
    case ButtonPicture::Normal: break;
    }
    return m_normal.get();
}

bool CSkinButton::OnReflectDrawItem(const DRAWITEMSTRUCT& item)
{
    const HBITMAP picture = Picture(Choose((item.itemState & ODS_SELECTED) != 0, (item.itemState & ODS_DISABLED) != 0));
    Paint(item.hDC, item.rcItem, picture);
    return true;
}

void CSkinButton::Paint(HDC dc, const RECT& client, HBITMAP picture)
{
    const int width = client.right - client.left, height = client.bottom - client.top;
    if (m_caption.empty()) {
        DrawBitmap(dc, client.left, client.top, picture, width, height);
        return;
    }
    OffscreenBitmap offscreen(dc, width, height);
    if (!offscreen.Valid()) return;
    DrawBitmap(offscreen.get(), 0, 0, picture, width, height);
    if (!m_font)
        m_font.reset(CreateFontA(14, 0, 0, 0, FW_NORMAL, FALSE, FALSE, FALSE, DEFAULT_CHARSET, OUT_DEFAULT_PRECIS,
                                 CLIP_DEFAULT_PRECIS, DEFAULT_QUALITY, FF_SWISS, nullptr));
    SelectScope font(offscreen.get(), m_font.get());
    SetBkMode(offscreen.get(), TRANSPARENT);
    SetTextColor(offscreen.get(), RGB(255, 255, 255));
    SIZE text{};
    GetTextExtentPoint32A(offscreen.get(), m_caption.c_str(), static_cast<int>(m_caption.size()), &text);
    TextOutA(offscreen.get(), 10, height / 2 - text.cy / 2 + 1, m_caption.c_str(), static_cast<int>(m_caption.size()));
    offscreen.CopyTo(dc, client.left, client.top);
}

LRESULT CSkinButton::OnEraseBackground(HDC) { return TRUE; }

LRESULT CSkinButton::OnMouseMove(UINT keys, POINT point)
{
    const LRESULT result = Default();
    const bool leftHeld = (keys & MK_LBUTTON) != 0;
    if (leftHeld && !m_hover) return result;
    if (GetCapture() != Handle()) {
        if (GetActiveWindow() && GetParent(Handle())) {
            m_hover = true;
            NotifyHover(true);
            SetCapture(Handle());
            InvalidateRect(Handle(), nullptr, FALSE);
        }
        return result;
    }
    // Where the mouse was for this message: the cursor position may already be further on.
    ClientToScreen(Handle(), &point);
    HWND under = WindowFromPoint(point);
    if (!under || under == Handle()) return result;
    if (m_hover) {
        m_hover = false;
        NotifyHover(false);
        InvalidateRect(Handle(), nullptr, FALSE);
    }
    if (!leftHeld) ReleaseCapture();
    return result;
}

LRESULT CSkinButton::OnKillFocus(HWND)
{
    const LRESULT result = Default();
    m_hover = false;
    NotifyHover(false);
    InvalidateRect(Handle(), nullptr, FALSE);
    return result;
}

LRESULT CSkinButton::OnCaptureChanged(HWND gaining)
{
    if (m_hover && gaining != Handle()) {
        // Only our own capture is ours to give up; another window may have taken it already.
        if (GetCapture() == Handle()) ReleaseCapture();
        InvalidateRect(Handle(), nullptr, FALSE);
    }
    return Default();
}

LRESULT CSkinButton::OnLButtonDown(UINT, POINT)
{
    HWND top = GetAncestor(Handle(), GA_ROOT);
    if (top && top != GetActiveWindow()) SetActiveWindow(top);
    return Default();
}

LRESULT CSkinButton::OnLButtonUp(UINT, POINT)
{
    if (!m_toggle) return Default();
    // The release is not passed on, so the press the button saw is undone here.
    SendMessageA(Handle(), BM_SETSTATE, FALSE, 0);
    if (GetCapture() == Handle() && !m_hover) ReleaseCapture();
    m_checked = !m_checked;
    InvalidateRect(Handle(), nullptr, FALSE);
    const UINT id = static_cast<UINT>(GetDlgCtrlID(Handle()));
    SendMessageA(GetParent(Handle()), WM_COMMAND, MAKEWPARAM(id, BN_CLICKED), reinterpret_cast<LPARAM>(Handle()));
    return 0;
}
