// How a sideways tilt drives the horizontal scroll bar of the window under the cursor, by the
// window's class: many programs ignore horizontal wheel input, so the bar is driven directly.
#pragma once

enum class TiltMethod {
    Default = 0,         // a scroll message to the window itself (arrow keys for the browser class)
    OwnerScroll1 = 1,    // scroll messages to the bar's owner
    ArrowClicks = 2,     // clicks on the bar's arrow
    OwnerScroll3 = 3,
    OwnerScroll4 = 4,
    OwnerScroll5 = 5,
    OwnerScroll6 = 6,
};

// Exact, case-sensitive class name.
TiltMethod TiltMethodOf(const char* className);
// Methods 1 and 3-6 send scroll messages to the parent of the found bar.
bool ScrollsBarOwner(TiltMethod method);

// The browser document class that gets arrow keys.
bool IsArrowKeyClass(const char* className);
bool IsScrollBarClass(const char* className);      // "ScrollBar"
bool IsAnyScrollBarClass(const char* className);   // "ScrollBar" or "NUIScrollbar"
