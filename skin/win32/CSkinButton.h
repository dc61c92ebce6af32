// The skinned push button: four pictures cut from the window's state pictures, hover
// tracking by mouse capture, an optional toggle mode and an optional caption.
#pragma once

#include <string>

#include "ButtonPicture.h"
#include "LoadSkin.h"
#include "UniqueResource.h"
#include "Widget.h"

class CSkinButton : public Widget {
public:
    CSkinButton() = default;

    // A visible owner-drawn child; LoadSkin uses an empty caption and identifier 0.
    bool Create(const char* caption, DWORD style, const RECT& rect, HWND parent, UINT id);
    // Create, SetSkin, SetCheck and SetTooltip from one BUTTONPOS entry, as LoadSkin does.
    bool CreateFromSkin(HWND parent, const SkinControlPos& pos, const SkinPictures& pictures);

    void SetSkin(int left, int top, int right, int bottom, HBITMAP normal, HBITMAP over, HBITMAP down, HBITMAP disable);
    void SetCheck(bool checked);
    bool GetCheck() const { return m_checked; }
    void SetToggle(bool toggle) { m_toggle = toggle; }
    void SetCaption(const std::string& caption) { m_caption = caption; }
    // The tooltip never shows, so only its text is kept.
    void SetTooltip(const std::string& text) { m_tooltip = text; }
    const std::string& Tooltip() const { return m_tooltip; }
    void SetHover(bool hover);
    bool Hover() const { return m_hover; }
    void SetUserValue(int value) { m_userValue = value; }
    // The picture the button shows now, from its flags and its window's state.
    ButtonPicture CurrentPicture() const;
    HBITMAP Picture(ButtonPicture which) const;

protected:
    // Draws the chosen picture (and the caption) onto the button's client area.
    virtual void Paint(HDC dc, const RECT& client, HBITMAP picture);

    bool OnReflectDrawItem(const DRAWITEMSTRUCT& item) override;
    LRESULT OnEraseBackground(HDC dc) override;
    LRESULT OnMouseMove(UINT keys, POINT point) override;
    LRESULT OnKillFocus(HWND next) override;
    LRESULT OnCaptureChanged(HWND gaining) override;
    LRESULT OnLButtonDown(UINT keys, POINT point) override;
    LRESULT OnLButtonUp(UINT keys, POINT point) override;

private:
    void NotifyHover(bool entered);
    ButtonPicture Choose(bool selected, bool disabled) const;

    bool m_checked = false;
    bool m_toggle = false;
    bool m_hover = false;
    UniqueGdi<HBITMAP> m_normal, m_over, m_down, m_disable;
    int m_userValue = 0;
    std::string m_caption;
    std::string m_tooltip;
    UniqueGdi<HFONT> m_font;
};
