// The notice on screen: a small dark panel near the bottom of the screen, above every window,
// that never takes the focus or the mouse and fades out after a moment. A new notice replaces
// the one showing. Its window text is the notice in one line.
#pragma once

#include <windows.h>

#include "NoticeContent.h"
#include "UniqueResource.h"

constexpr char kNoticeOverlayClass[] = "HeraldNotice";

class NoticeOverlay {
public:
    static constexpr UINT kHoldMs = 1500;
    static constexpr UINT kFadeStepMs = 30;
    static constexpr BYTE kOpaque = 235;
    static constexpr BYTE kFadeStep = 24;

    bool Create(HINSTANCE instance);
    void Destroy();
    void Show(const NoticeContent& content);
    HWND Handle() const { return m_hwnd; }

private:
    static LRESULT CALLBACK Procedure(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam);
    void OnTimer(UINT_PTR id);
    void Paint(HDC dc) const;
    SIZE Measure() const;

    HWND m_hwnd = nullptr;
    UniqueGdi<HFONT> m_captionFont;
    UniqueGdi<HFONT> m_textFont;
    NoticeContent m_content;
    BYTE m_alpha = 0;
};
