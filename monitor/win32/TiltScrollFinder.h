// Finds the horizontal scroll bar (or the window with one) that belongs to the window under
// the cursor, for one tilt of the wheel.
#pragma once

#include <windows.h>

#include <string>

std::string WindowClassOf(HWND window);

class TiltScrollFinder {
public:
    explicit TiltScrollFinder(POINT cursor) : m_cursor(cursor) {}

    // Not null, not the desktop and not the desktop's icon view.
    static bool IsEligible(HWND window);

    // null when nothing that scrolls sideways belongs to the window.
    HWND FindHScrollTarget(HWND window) const;
    bool IsHScrollCandidate(HWND window) const;
    HWND SearchChildren(HWND window) const;
    HWND SearchSiblings(HWND window) const;

private:
    HWND BarNearPane(HWND pane) const;

    POINT m_cursor;  // screen coordinates
};
