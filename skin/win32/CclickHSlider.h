// The slider's track: the page's artwork at the slider's place; a click moves the thumb
// there. Every value, clicked or dragged, reaches the page as WM_SLIDER_POS.
#pragma once

#include <string>

#include "CPHSlider.h"
#include "SkinControlPos.h"

class CclickHSlider : public Widget {
public:
    // Fails, creating no window, when the thumb picture cannot be loaded.
    bool Create(const std::string& thumbPicturePath, int left, int top, int right, int bottom, HWND parent, int id);
    void SetBackground(int left, int top, int right, int bottom, HBITMAP fullWindowPicture);
    void SetRange(int minimum, int maximum);
    void SetRound(bool round);
    void SetPos(int value);
    int Value() const { return m_thumb.Value(); }
    CPHSlider& Thumb() { return m_thumb; }

protected:
    LRESULT OnCreate(CREATESTRUCTA& create) override;
    LRESULT OnPaint() override;
    LRESULT OnLButtonUp(UINT keys, POINT point) override;
    LRESULT OnOtherMessage(UINT message, WPARAM wParam, LPARAM lParam) override;

private:
    int m_id = 0;
    UniqueGdi<HBITMAP> m_track;
    SIZE m_thumbSize{};
    std::string m_thumbPath;
    SkinRect m_rect;
    HWND m_parent = nullptr;
    int m_minimum = 0, m_maximum = 10;
    bool m_round = false;
    CPHSlider m_thumb;
};
