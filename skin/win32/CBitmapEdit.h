// The single-line text box of the skinned windows: own colours and font, an optional
// number filter, and the registered "BitmapEdit_KillFocus" notice on every change and on
// leaving the box.
#pragma once

#include <string>

#include "UniqueResource.h"
#include "Widget.h"

// The number of the registered message "BitmapEdit_KillFocus" (wParam 1 focus lost, 0 changed).
UINT BitmapEditKillFocusMessage();
// Text of any window, up to 64 KiB.
std::string WindowText(HWND hwnd);

class CBitmapEdit : public Widget {
public:
    CBitmapEdit();

    bool Create(DWORD style, const RECT& rect, HWND parent, UINT id);
    void ApplyFont();
    void SetNumberFilter(bool on) { m_numberFilter = on; }
    // The owner sets these before the box is first painted.
    void SetColors(COLORREF text, COLORREF background)
    {
        m_textColour = text;
        m_backgroundColour = background;
    }
    std::string Text() const { return WindowText(Handle()); }
    void SetText(const std::string& text) { SetWindowTextA(Handle(), text.c_str()); }

    bool PreTranslateMessage(MSG& message) override;

protected:
    HBRUSH OnReflectCtlColor(HDC dc) override;
    bool OnReflectCommand(UINT code) override;
    LRESULT OnKeyUp(UINT virtualKey, LPARAM flags) override;
    LRESULT OnEraseBackground(HDC dc) override;
    LRESULT OnVScroll(UINT code, HWND scrollBar) override;

private:
    void Notify(WPARAM lostFocus);

    COLORREF m_textColour = RGB(0x24, 0x24, 0x24);
    COLORREF m_backgroundColour = RGB(255, 255, 255);
    UniqueGdi<HBRUSH> m_brush;
    UniqueGdi<HFONT> m_font;
    bool m_numberFilter = false;
};
