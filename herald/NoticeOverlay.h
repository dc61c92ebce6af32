// The notice on screen: a small dark panel near the bottom of the screen, above every window,
// that never takes the focus or the mouse and fades out after a moment. A new notice replaces
// the one showing. Its window text is the notice in one line.
#pragma once

#include <windows.h>

#include "NoticeContent.h"
#include "UniqueResource.h"
#include "Window.h"

constexpr char kNoticeOverlayClass[] = "HeraldNotice";

class NoticeOverlay : public Window {
public:
    static constexpr UINT kHoldMs = 1500;
    static constexpr UINT kFadeStepMs = 30;
    static constexpr BYTE kOpaque = 235;
    static constexpr BYTE kFadeStep = 24;

    bool Create();
    void Destroy();
    void Show(const NoticeContent& content);

protected:
    LRESULT OnMessage(UINT message, WPARAM wParam, LPARAM lParam) override;

private:
    void OnTimer(UINT_PTR id);
    void Paint(HDC dc) const;
    SIZE Measure() const;

    UniqueGdi<HFONT> m_captionFont;
    UniqueGdi<HFONT> m_textFont;
    NoticeContent m_content;
    BYTE m_alpha = 0;
};
