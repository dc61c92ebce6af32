// What the two spin boxes share: a number box, up and down arrows cut from the control's
// own state pictures, and WM_SPIN_VALUE to the parent.
#pragma once

#include "CBitmapEdit.h"
#include "CSkinButton.h"
#include "SkinControlPos.h"

class SkinSpin : public Widget {
public:
    static constexpr UINT kNumberBoxId = 401;

    bool Create(int left, int top, int right, int bottom, HWND parent, int id);
    void SetSkin(int left, int top, int right, int bottom, HBITMAP normal, HBITMAP over, HBITMAP down, HBITMAP disable);
    virtual void SetRange(int minimum, int maximum);
    virtual void SetValue(int value) = 0;
    int Value() const { return m_value; }
    CBitmapEdit& NumberBox() { return m_box; }
    CSkinButton& UpArrow() { return m_up; }
    CSkinButton& DownArrow() { return m_down; }

protected:
    // Places the arrows and the box for a client area of the given size.
    virtual void Layout(int width, int height) = 0;
    virtual void OnUp() = 0;
    virtual void OnDown() = 0;
    virtual void OnBoxChanged() {}
    virtual void OnBoxReturn() {}

    void CreateArrows(const RECT& up, const RECT& down);
    void Show(int value);  // the box's whole text becomes the number
    void Post(int value);

    LRESULT OnCreate(CREATESTRUCTA& create) override;
    LRESULT OnPaint() override;
    LRESULT OnEraseBackground(HDC) override { return TRUE; }
    LRESULT OnCommand(UINT id, UINT code, HWND control) override;
    LRESULT OnOtherMessage(UINT message, WPARAM wParam, LPARAM lParam) override;

    int m_id = 0;
    UniqueGdi<HBITMAP> m_pictures[4];
    int m_value = 0;
    SkinRect m_rect;
    HWND m_parent = nullptr;
    int m_minimum = 0, m_maximum = 10;
    CSkinButton m_up, m_down;
    CBitmapEdit m_box;
    RECT m_upRect{}, m_downRect{};
};
