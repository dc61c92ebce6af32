#include "TiltScroller.h"

#include <cstdlib>
#include <string>

#include "KeyMessageParams.h"
#include "TiltMethod.h"
#include "TiltScrollFinder.h"

namespace {

// Inside the bar's end, on its arrow.
constexpr int kArrowInset = 5;

}  // namespace

void TiltScroller::Scroll(const ProfileRecord& profile, int direction)
{
    POINT cursor;
    if (!GetCursorPos(&cursor)) return;
    HWND window = WindowFromPoint(cursor);
    if (!TiltScrollFinder::IsEligible(window)) return;
    const std::string className = WindowClassOf(window);
    const TiltMethod method = TiltMethodOf(className.c_str());
    const bool arrowKeys = IsArrowKeyClass(className.c_str());

    const TiltScrollFinder finder(cursor);
    HWND target = finder.FindHScrollTarget(window);
    if (!target) return;

    const bool left = direction > 0;
    const int steps = profile.TiltSpeed;
    const WPARAM line = left ? SB_LINELEFT : SB_LINERIGHT;
    for (int pass = 0; pass < std::abs(direction); ++pass) {
        if (method == TiltMethod::ArrowClicks) {
            ClickBarArrow(target, cursor, direction, steps);
            continue;
        }
        for (int step = 0; step < steps; ++step) {
            if (ScrollsBarOwner(method)) {
                PostMessageA(GetParent(target), WM_HSCROLL, line, reinterpret_cast<LPARAM>(target));
            } else if (arrowKeys) {
                PostMessageA(target, WM_KEYDOWN, left ? VK_LEFT : VK_RIGHT, left ? kLeftDownParam : kRightDownParam);
                PostMessageA(target, WM_KEYUP, left ? VK_LEFT : VK_RIGHT, left ? kLeftUpParam : kRightUpParam);
            } else {
                PostMessageA(window, WM_HSCROLL, line, 0);
            }
        }
    }
}

void TiltScroller::ClickBarArrow(HWND bar, POINT cursor, int direction, int steps)
{
    RECT rect;
    if (!GetWindowRect(bar, &rect)) return;
    SetCursorPos(direction > 0 ? rect.left + kArrowInset : rect.right - kArrowInset, rect.top + kArrowInset);
    const bool swapped = GetSystemMetrics(SM_SWAPBUTTON) != 0;
    for (int step = 0; step < steps; ++step) {
        INPUT click[2]{};
        for (INPUT& input : click) {
            input.type = INPUT_MOUSE;
            input.mi.dwExtraInfo = static_cast<ULONG_PTR>(GetMessageExtraInfo());
        }
        // Absolute but without the move flag: the click stays where the cursor was put.
        click[0].mi.dwFlags = MOUSEEVENTF_ABSOLUTE | (swapped ? MOUSEEVENTF_RIGHTDOWN : MOUSEEVENTF_LEFTDOWN);
        click[1].mi.dwFlags = MOUSEEVENTF_ABSOLUTE | (swapped ? MOUSEEVENTF_RIGHTUP : MOUSEEVENTF_LEFTUP);
        m_input.Send(click, 2);
    }
    SetCursorPos(cursor.x, cursor.y);
}
