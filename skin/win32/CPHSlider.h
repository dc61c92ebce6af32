// The slider's thumb: a small shaped picture, dragged horizontally along its track.
#pragma once

#include <string>

#include "UniqueResource.h"
#include "Widget.h"

class CPHSlider : public Widget {
public:
    // Limits are in the track's client coordinates; the left limit is centreX and the
    // thumb's top is centreY. Fails (no window) when the picture cannot be loaded.
    bool Create(const std::string& picturePath, int centreX, int centreY, int rightLimit, int bottomLimit,
                HWND parent, int id, bool shaped);
    void SetPos(int value);
    void SetRange(int minimum, int maximum) { m_minimum = minimum; m_maximum = maximum; }
    void SetRound(bool round) { m_round = round; }
    void SetDraggable(bool draggable) { m_draggable = draggable; }
    int Value() const { return m_value; }
    int Width() const { return m_width; }

protected:
    LRESULT OnPaint() override;
    LRESULT OnLButtonDown(UINT keys, POINT point) override;
    LRESULT OnMouseMove(UINT keys, POINT point) override;
    LRESULT OnLButtonUp(UINT keys, POINT point) override;

private:
    int LeftInTrack() const;
    void Report(int value);

    int m_id = 0;
    UniqueGdi<HBITMAP> m_picture;
    int m_width = 0, m_height = 0;
    bool m_shaped = false;
    bool m_dragging = false;
    int m_leftLimit = 0, m_top = 0, m_rightLimit = 0, m_bottomLimit = 0;
    POINT m_press{};
    HWND m_parent = nullptr;
    int m_minimum = 0, m_maximum = 10;
    bool m_draggable = true;
    int m_value = 0;
    bool m_round = false;
};
