// A tilt of the wheel scrolls the window under the cursor sideways, driving its horizontal
// scroll bar directly for programs that ignore horizontal wheel input.
#pragma once

#include <windows.h>

#include "InputSink.h"
#include "SettingsBlock.h"

class TiltScroller {
public:
    explicit TiltScroller(InputSink& input) : m_input(input) {}

    // direction +1 scrolls left (tilt value 255), -1 right (tilt value 1); TiltSpeed steps.
    void Scroll(const ProfileRecord& profile, int direction);

private:
    void ClickBarArrow(HWND bar, POINT cursor, int direction, int steps);

    InputSink& m_input;
};
