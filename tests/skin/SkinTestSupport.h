// Helpers of the skin tests: a recording parent window, message pumping, synthesized mouse
// input and plain-colour pictures.
#pragma once

#include <windows.h>

#include <ostream>
#include <string>
#include <vector>

#include "UniqueResource.h"
#include "Widget.h"

struct Notice {
    UINT message;
    WPARAM wParam;
    LPARAM lParam;
    bool operator==(const Notice&) const = default;
};
std::ostream& operator<<(std::ostream& out, const Notice& notice);
void PrintTo(const Notice& notice, std::ostream* out);

// A visible top-level window that keeps every control notice it receives, in order:
// the skinned controls' messages, "BitmapEdit_KillFocus" and BN_CLICKED commands (as
// WM_COMMAND, BN_CLICKED, control window; a quick second click also brings BN_DOUBLECLICKED,
// which is left out).
class NoticeHost : public Widget {
public:
    // One window for all tests: Wine on a display without a window manager waits about a
    // second for every top-level window that goes away. Each use starts with no notices.
    static NoticeHost& Shared();
    std::vector<Notice> Take();
    std::vector<Notice> notices;

private:
    void Activate();

protected:
    LRESULT OnCommand(UINT id, UINT code, HWND control) override;
    LRESULT OnOtherMessage(UINT message, WPARAM wParam, LPARAM lParam) override;
};

// Runs the message loop for about the given time (queued input needs a moment to arrive).
void Pump(int milliseconds = 60);
// Moves the mouse to a point in a window's client area, presses or releases the left button.
void MouseTo(HWND window, int x, int y);
void MouseButton(bool down);
// A compatible bitmap filled with one colour.
UniqueGdi<HBITMAP> SolidBitmap(int width, int height, COLORREF colour);
// The colour of a client pixel of a window as the screen shows it, as 0x00BBGGRR.
COLORREF ScreenPixel(HWND window, int x, int y);
// Where the tests find the generated skins (see SkinTestEnvironment.cpp).
std::string TestSkinFolder();
