#include "CBitmapEdit.h"

#include <algorithm>
#include <vector>

#include "SkinMessages.h"
#include "SpinMath.h"

UINT BitmapEditKillFocusMessage()
{
    static const UINT message = RegisterWindowMessageA("BitmapEdit_KillFocus");
    return message;
}

std::string WindowText(HWND hwnd)
{
    const int length = GetWindowTextLengthA(hwnd);
    if (length <= 0) return {};
    std::vector<char> buffer(static_cast<size_t>(std::min(length, 65535)) + 1);
    const int got = GetWindowTextA(hwnd, buffer.data(), static_cast<int>(buffer.size()));
    return std::string(buffer.data(), got > 0 ? static_cast<size_t>(got) : 0);
}

CBitmapEdit::CBitmapEdit()
    : m_font(CreateFontA(13, 0, 0, 0, FW_NORMAL, FALSE, FALSE, FALSE, DEFAULT_CHARSET, OUT_DEFAULT_PRECIS,
                         CLIP_DEFAULT_PRECIS, DEFAULT_QUALITY, DEFAULT_PITCH, "Eurostile"))
{
}

bool CBitmapEdit::Create(DWORD style, const RECT& rect, HWND parent, UINT id)
{
    return CreateControl("EDIT", "", style | WS_CHILD, 0, rect, parent, id);
}

void CBitmapEdit::ApplyFont() { SendMessageA(Handle(), WM_SETFONT, reinterpret_cast<WPARAM>(m_font.get()), TRUE); }

bool CBitmapEdit::PreTranslateMessage(MSG& message)
{
    return m_numberFilter && message.hwnd == Handle() && message.message == WM_KEYDOWN &&
           !SpinMath::IsNumberFilterKey(static_cast<unsigned>(message.wParam));
}

HBRUSH CBitmapEdit::OnReflectCtlColor(HDC dc)
{
    m_brush.reset(CreateSolidBrush(m_backgroundColour));
    SetTextColor(dc, m_textColour);
    SetBkColor(dc, m_backgroundColour);
    return m_brush.get();
}

void CBitmapEdit::Notify(WPARAM lostFocus)
{
    PostMessageA(GetParent(Handle()), BitmapEditKillFocusMessage(), lostFocus, 0);
}

bool CBitmapEdit::OnReflectCommand(UINT code)
{
    if (code == EN_KILLFOCUS) {
        Notify(1);
        return true;
    }
    if (code != EN_CHANGE) return false;
    if (m_numberFilter) {
        const std::string text = Text();
        const std::string kept = SpinMath::KeepNumberCharacters(text);
        if (kept != text) SetText(kept);  // raises EN_CHANGE again, with the clean text
    }
    RedrawWindow(Handle(), nullptr, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_UPDATENOW);
    Notify(0);
    return true;
}

LRESULT CBitmapEdit::OnKeyUp(UINT virtualKey, LPARAM)
{
    if (virtualKey == VK_RETURN) PostMessageA(GetParent(Handle()), WM_EDIT_RETURN, VK_RETURN, 0);
    return Default();
}

LRESULT CBitmapEdit::OnEraseBackground(HDC) { return TRUE; }

LRESULT CBitmapEdit::OnVScroll(UINT, HWND)
{
    InvalidateRect(Handle(), nullptr, TRUE);
    return Default();
}
