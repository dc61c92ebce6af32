// A skinned button with a colour swatch over its picture (the DPI levels' light colours).
#pragma once

#include "CSkinButton.h"

class CSkinColorButton : public CSkinButton {
public:
    // Shown at the next paint; owners invalidate the button after it.
    void SetColor(COLORREF colour) { m_colour = colour; }
    COLORREF Color() const { return m_colour; }

protected:
    void Paint(HDC dc, const RECT& client, HBITMAP picture) override;

private:
    COLORREF m_colour = RGB(0, 0, 0);
};
