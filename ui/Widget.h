// A window with typed message handlers: every message is decoded once, in OnMessage, into
// the matching On... call, whose base version is the default processing. Owner drawing,
// colour requests and control notifications sent to a parent are reflected to the control
// that caused them, so that each owner-drawn control draws itself.
#pragma once

#include <windows.h>

#include "Window.h"

class Widget : public Window {
public:
    // Creates a window of a system class (button, edit, list box) and binds it.
    bool CreateControl(const char* className, const char* text, DWORD style, DWORD exStyle, const RECT& rect,
                       HWND parent, UINT id);
    static Widget* FromHandle(HWND hwnd);

protected:
    LRESULT OnMessage(UINT message, WPARAM wParam, LPARAM lParam) override;

    virtual LRESULT OnCreate(CREATESTRUCTA& create);
    virtual LRESULT OnDestroy();
    virtual LRESULT OnPaint();
    virtual LRESULT OnEraseBackground(HDC dc);
    virtual LRESULT OnLButtonDown(UINT keys, POINT point);
    virtual LRESULT OnLButtonUp(UINT keys, POINT point);
    virtual LRESULT OnRButtonDown(UINT keys, POINT point);
    virtual LRESULT OnMouseMove(UINT keys, POINT point);
    virtual LRESULT OnMouseWheel(int delta, UINT keys, POINT screenPoint);
    virtual LRESULT OnSetFocus(HWND previous);
    virtual LRESULT OnKillFocus(HWND next);
    virtual LRESULT OnCaptureChanged(HWND gaining);
    virtual LRESULT OnKeyDown(UINT virtualKey, LPARAM flags);
    virtual LRESULT OnKeyUp(UINT virtualKey, LPARAM flags);
    virtual LRESULT OnCommand(UINT id, UINT code, HWND control);
    virtual LRESULT OnVScroll(UINT code, HWND scrollBar);
    // Messages without a typed handler: registered and private messages among them.
    virtual LRESULT OnOtherMessage(UINT message, WPARAM wParam, LPARAM lParam);

    // Reflected from the parent; false leaves the message to the parent's default processing.
    virtual bool OnReflectDrawItem(const DRAWITEMSTRUCT& item);
    virtual bool OnReflectMeasureItem(MEASUREITEMSTRUCT& item);
    // The brush for the control's background, or null when the control does not colour itself.
    virtual HBRUSH OnReflectCtlColor(HDC dc);
    virtual bool OnReflectCommand(UINT code);

private:
    LRESULT DispatchParentMessage(UINT message, WPARAM wParam, LPARAM lParam, bool& handled);
};
