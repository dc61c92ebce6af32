#include "CTextLabel.h"

#include "Gdi.h"

CTextLabel::CTextLabel()
    : m_font(CreateFontA(12, 5, 0, 0, FW_BOLD, FALSE, FALSE, FALSE, ANSI_CHARSET, OUT_DEFAULT_PRECIS,
                         CLIP_DEFAULT_PRECIS, DEFAULT_QUALITY, FF_SWISS, "Arial"))
{
}

bool CTextLabel::Create(const RECT& rect, HWND parent)
{
    return Widget::Create("KestrinVardo.TextLabel", "", WS_CHILD | WS_VISIBLE, 0, rect.left, rect.top,
                          rect.right - rect.left, rect.bottom - rect.top, parent);
}

void CTextLabel::SetText(const std::string& text)
{
    m_text = text;
    InvalidateRect(Handle(), nullptr, FALSE);
}

LRESULT CTextLabel::OnPaint()
{
    PaintDc paint(Handle());
    RECT client{};
    GetClientRect(Handle(), &client);
    OffscreenBitmap offscreen(paint.get(), client.right, client.bottom);
    if (!offscreen.Valid()) return 0;
    UniqueGdi<HBRUSH> fill(CreateSolidBrush(m_fill));
    FillRect(offscreen.get(), &client, fill.get());
    SelectScope font(offscreen.get(), m_font.get());
    SetTextColor(offscreen.get(), RGB(0, 0, 0));
    SetBkMode(offscreen.get(), TRANSPARENT);
    DrawTextA(offscreen.get(), m_text.c_str(), static_cast<int>(m_text.size()), &client,
              DT_SINGLELINE | DT_VCENTER | (m_leftAligned ? DT_LEFT : DT_CENTER));
    offscreen.CopyTo(paint.get());
    return 0;
}
