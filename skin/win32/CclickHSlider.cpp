#include "CclickHSlider.h"

#include "DebugLog.h"
#include "Gdi.h"
#include "SkinMessages.h"
#include "SkinPicture.h"
#include "SliderMath.h"

bool CclickHSlider::Create(const std::string& thumbPicturePath, int left, int top, int right, int bottom, HWND parent,
                           int id)
{
    m_id = id;
    m_minimum = 0;
    m_maximum = 10;
    m_thumbPath = thumbPicturePath;
    m_rect = {left, top, right, bottom};
    m_parent = parent;
    {
        UniqueGdi<HBITMAP> probe;
        if (!LoadSkinPicture(thumbPicturePath, probe, m_thumbSize)) return false;
    }
    return Widget::Create("KestrinVardo.SliderTrack", "", WS_CHILD | WS_VISIBLE, 0, left, top, right - left,
                          bottom - top, parent);
}

LRESULT CclickHSlider::OnCreate(CREATESTRUCTA&)
{
    const LRESULT result = Default();
    if (m_thumb.Create(m_thumbPath, 0, 0, m_rect.Width(), m_rect.Height(), Handle(), m_id, true)) {
        m_thumb.SetPos(0);
        m_thumb.SetDraggable(true);
    }
    return result;
}

void CclickHSlider::SetBackground(int left, int top, int right, int bottom, HBITMAP fullWindowPicture)
{
    WindowDc dc(Handle());
    CutSkinPicture(dc.get(), m_track, fullWindowPicture, left, top, right, bottom);
}

void CclickHSlider::SetRange(int minimum, int maximum)
{
    m_minimum = minimum;
    m_maximum = maximum;
    m_thumb.SetRange(minimum, maximum);
}

void CclickHSlider::SetRound(bool round)
{
    m_round = round;
    m_thumb.SetRound(round);
}

void CclickHSlider::SetPos(int value)
{
    m_thumb.SetPos(value);
    InvalidateRect(Handle(), nullptr, FALSE);
}

LRESULT CclickHSlider::OnPaint()
{
    PaintDc paint(Handle());
    DrawBitmap(paint.get(), 0, 0, m_track.get(), m_rect.Width(), m_rect.Height());
    return 0;
}

LRESULT CclickHSlider::OnLButtonUp(UINT, POINT point)
{
    MapWindowPoints(Handle(), m_parent, &point, 1);
    const double raw = SliderMath::ClickValue(point.x - m_rect.left, m_minimum, m_maximum, m_rect.Width());
    DebugLog("CclickHSlider=%f\n", raw);
    const int value = SliderMath::Settle(raw, m_round, m_minimum, m_maximum);
    m_thumb.SetPos(value);
    PostMessageA(m_parent, WM_SLIDER_POS, static_cast<WPARAM>(value), m_id);
    return Default();
}

LRESULT CclickHSlider::OnOtherMessage(UINT message, WPARAM wParam, LPARAM lParam)
{
    if (message == WM_SLIDER_POS) {
        PostMessageA(m_parent, WM_SLIDER_POS, wParam, lParam);
        return 0;
    }
    return Default();
}
