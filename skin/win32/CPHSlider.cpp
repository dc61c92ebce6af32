#include "CPHSlider.h"

#include "DebugLog.h"
#include "Gdi.h"
#include "MaskRegion.h"
#include "SkinMessages.h"
#include "SkinPicture.h"
#include "SliderMath.h"

bool CPHSlider::Create(const std::string& picturePath, int centreX, int centreY, int rightLimit, int bottomLimit,
                       HWND parent, int id, bool shaped)
{
    m_leftLimit = centreX;
    m_top = centreY;
    m_rightLimit = rightLimit;
    m_bottomLimit = bottomLimit;
    m_id = id;
    m_parent = parent;
    m_shaped = shaped;
    m_draggable = true;
    m_minimum = 0;
    m_maximum = 10;
    m_dragging = false;
    SIZE size{};
    if (!LoadSkinPicture(picturePath, m_picture, size)) return false;
    m_width = size.cx;
    m_height = size.cy;
    if (!Widget::Create("KestrinVardo.SliderThumb", "", WS_CHILD | WS_VISIBLE | WS_TABSTOP, 0, centreX - m_width / 2,
                        centreY - m_height / 2, m_width, m_height, parent))
        return false;
    SetWindowPos(Handle(), HWND_TOP, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE);
    if (m_shaped) {
        // The colour of the top-left pixel is transparent wherever it occurs.
        COLORREF key = 0;
        {
            WindowDc screen(nullptr);
            MemoryDc dc(screen.get());
            SelectScope select(dc.get(), m_picture.get());
            key = GetPixel(dc.get(), 0, 0);
        }
        UniqueGdi<HRGN> outline = CreateMaskRegion(m_picture.get(), key, 0);
        if (outline && SetWindowRgn(Handle(), outline.get(), TRUE)) outline.release();
    }
    return true;
}

void CPHSlider::SetPos(int value)
{
    m_value = SliderMath::Clamp(value, m_minimum, m_maximum);
    const int left = SliderMath::ThumbLeft(m_value, m_minimum, m_maximum, m_leftLimit, m_rightLimit, m_width);
    MoveWindow(Handle(), left, m_top, m_width, m_height, TRUE);
    InvalidateRect(Handle(), nullptr, FALSE);
}

int CPHSlider::LeftInTrack() const
{
    RECT r{};
    GetWindowRect(Handle(), &r);
    MapWindowPoints(nullptr, m_parent, reinterpret_cast<POINT*>(&r), 2);
    return r.left;
}

void CPHSlider::Report(int value)
{
    m_value = value;
    PostMessageA(m_parent, WM_SLIDER_POS, static_cast<WPARAM>(value), m_id);
}

LRESULT CPHSlider::OnPaint()
{
    PaintDc paint(Handle());
    OffscreenBitmap offscreen(paint.get(), m_width, m_height);
    if (!offscreen.Valid()) return 0;
    DrawBitmap(offscreen.get(), 0, 0, m_picture.get(), m_width, m_height);
    offscreen.CopyTo(paint.get());
    return 0;
}

LRESULT CPHSlider::OnLButtonDown(UINT, POINT point)
{
    if (m_draggable) {
        SetCapture(Handle());
        m_press = point;
        m_dragging = true;
    }
    return Default();
}

LRESULT CPHSlider::OnMouseMove(UINT, POINT point)
{
    if (!m_dragging) return Default();
    const int left = LeftInTrack();
    const int dx = SliderMath::LimitDrag(point.x - m_press.x, left, m_width, m_leftLimit, m_rightLimit);
    MoveWindow(Handle(), left + dx, m_top, m_width, m_height, TRUE);
    Report(SliderMath::DragValue(left + dx, m_minimum, m_maximum, m_leftLimit, m_rightLimit, m_width));
    return 0;
}

LRESULT CPHSlider::OnLButtonUp(UINT, POINT)
{
    m_dragging = false;
    if (GetCapture() == Handle()) ReleaseCapture();
    const double raw = SliderMath::ReleaseValue(LeftInTrack(), m_minimum, m_maximum, m_leftLimit, m_rightLimit, m_width);
    DebugLog("CPHSlider=%f\n", raw);
    Report(SliderMath::Settle(raw, m_round, m_minimum, m_maximum));
    if (m_round) SetPos(m_value);
    return Default();
}
