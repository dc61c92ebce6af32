#include "SkinSpin.h"

#include <string>

#include "Gdi.h"
#include "SkinMessages.h"
#include "SkinPicture.h"
#include "SpinMath.h"

bool SkinSpin::Create(int left, int top, int right, int bottom, HWND parent, int id)
{
    m_rect = {left, top, right, bottom};
    m_parent = parent;
    m_id = id;
    return Widget::Create("KestrinVardo.Spin", "", WS_CHILD | WS_VISIBLE, 0, left, top, right - left, bottom - top, parent);
}

LRESULT SkinSpin::OnCreate(CREATESTRUCTA& create)
{
    const LRESULT result = Default();
    Layout(create.cx, create.cy);
    return result;
}

void SkinSpin::CreateArrows(const RECT& up, const RECT& down)
{
    m_upRect = up;
    m_downRect = down;
    m_up.Create("", WS_VISIBLE, up, Handle(), 0);
    m_down.Create("", WS_VISIBLE, down, Handle(), 0);
    m_up.SetTooltip("");
    m_down.SetTooltip("");
}

void SkinSpin::SetSkin(int left, int top, int right, int bottom, HBITMAP normal, HBITMAP over, HBITMAP down,
                       HBITMAP disable)
{
    const HBITMAP sources[4] = {normal, over, down, disable};
    {
        WindowDc dc(Handle());
        for (int i = 0; i < 4; ++i) CutSkinPicture(dc.get(), m_pictures[i], sources[i], left, top, right, bottom);
    }
    SetWindowLongA(Handle(), GWL_STYLE, GetWindowLongA(Handle(), GWL_STYLE) & ~(WS_BORDER | WS_TABSTOP));
    const auto arrow = [&](CSkinButton& button, const RECT& r) {
        button.SetSkin(r.left, r.top, r.right, r.bottom, m_pictures[0].get(), m_pictures[1].get(), m_pictures[2].get(),
                       m_pictures[3].get());
    };
    arrow(m_up, m_upRect);
    arrow(m_down, m_downRect);
}

void SkinSpin::SetRange(int minimum, int maximum)
{
    m_minimum = minimum;
    m_maximum = maximum;
    SendMessageA(m_box.Handle(), EM_LIMITTEXT, SpinMath::DigitLimit(minimum, maximum), 0);
}

void SkinSpin::Show(int value) { m_box.SetText(std::to_string(value)); }

void SkinSpin::Post(int value) { PostMessageA(m_parent, WM_SPIN_VALUE, static_cast<WPARAM>(value), m_id); }

LRESULT SkinSpin::OnPaint()
{
    PaintDc paint(Handle());
    DrawBitmap(paint.get(), 0, 0, m_pictures[0].get(), m_rect.Width(), m_rect.Height());
    return 0;
}

LRESULT SkinSpin::OnCommand(UINT id, UINT code, HWND control)
{
    if (code == BN_CLICKED && control && control == m_up.Handle()) {
        OnUp();
        return 0;
    }
    if (code == BN_CLICKED && control && control == m_down.Handle()) {
        OnDown();
        return 0;
    }
    return Widget::OnCommand(id, code, control);
}

LRESULT SkinSpin::OnOtherMessage(UINT message, WPARAM wParam, LPARAM lParam)
{
    if (message == BitmapEditKillFocusMessage()) {
        OnBoxChanged();
        return 0;
    }
    if (message == WM_EDIT_RETURN) {
        OnBoxReturn();
        return 0;
    }
    return Widget::OnOtherMessage(message, wParam, lParam);
}
