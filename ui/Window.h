// A window object bound to its HWND. Every message reaches OnMessage exactly once, from the
// first message the window receives; what a class does not handle goes to Default.
#pragma once

#include <windows.h>

class Window {
public:
    Window() = default;
    virtual ~Window();
    Window(const Window&) = delete;
    Window& operator=(const Window&) = delete;

    // Registers className on first use (no cursor, background or icon unless given).
    bool Create(const char* className, const char* title, DWORD style, DWORD exStyle, int x, int y,
                int width, int height, HWND parent = nullptr, HMENU menu = nullptr);
    HWND Handle() const { return m_hwnd; }
    // Binds this object to a window that exists already (a control, a dialog being created):
    // its messages come here first and Default passes them to its previous procedure.
    bool Attach(HWND hwnd);

    static Window* FromHandle(HWND hwnd);

    // Called for a queued message before it is translated, for this window and each of its
    // parents in turn (see PreTranslate in MessageLoop.h); true swallows the message.
    virtual bool PreTranslateMessage(MSG& message);

protected:
    virtual LRESULT OnMessage(UINT message, WPARAM wParam, LPARAM lParam);
    LRESULT Default(UINT message, WPARAM wParam, LPARAM lParam);
    // Default processing of the message being handled now.
    LRESULT Default();
    // Called after WM_NCDESTROY, when the HWND is gone.
    virtual void OnFinalDestroy() {}

private:
    static LRESULT CALLBACK Procedure(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam);
    struct Current {
        UINT message;
        WPARAM wParam;
        LPARAM lParam;
    };
    HWND m_hwnd = nullptr;
    WNDPROC m_previous = nullptr;
    Current m_current{};
};
