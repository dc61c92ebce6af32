// A coloured rectangle with one line of bold text (the DPI value of a level row).
#pragma once

#include <string>

#include "UniqueResource.h"
#include "Widget.h"

class CTextLabel : public Widget {
public:
    CTextLabel();

    bool Create(const RECT& rect, HWND parent);
    void SetText(const std::string& text);
    const std::string& Text() const { return m_text; }
    void SetFillColor(COLORREF colour) { m_fill = colour; }
    void SetLeftAligned(bool left) { m_leftAligned = left; }

protected:
    LRESULT OnPaint() override;
    LRESULT OnEraseBackground(HDC) override { return TRUE; }

private:
    std::string m_text;
    COLORREF m_fill = RGB(255, 255, 255);
    bool m_leftAligned = false;
    UniqueGdi<HFONT> m_font;
};
