// What the virtual mouse does by itself when its controls are used, and the events it then
// reports to the PC. Each function changes the memory as the mouse would and returns the
// events in the order they are sent.
#pragma once

#include <cstdint>
#include <vector>

#include "MouseMemory.h"

struct MouseEvent {
    uint16_t Kind;
    uint16_t Value;

    bool operator==(const MouseEvent&) const = default;
};

// Byte 2 of a DPI or profile button code, and the direction of the dedicated controls.
enum class MouseStep : uint8_t { Up = 1, Down = 2, Cycle = 3 };

// Button b (0-15) of the current profile going down or up, as its table entry says.
std::vector<MouseEvent> PressButton(MouseMemory& memory, int b, bool down);
// Up and Down stop at the first and last profile, Cycle goes round; reports the new profile.
MouseEvent StepProfile(MouseMemory& memory, MouseStep step);
// The same for the DPI level of the current profile.
MouseEvent StepDpi(MouseMemory& memory, MouseStep step);
// The next report interval of the current profile (1, 2, 4, 8, then 1 again).
MouseEvent NextReportInterval(MouseMemory& memory);
// Both sensitivities of the current profile one step (delta) up or down, within 1-20.
MouseEvent StepSensitivity(MouseMemory& memory, int delta);
// The tilt wheel: left is -1, right +1; letting go reports 0.
MouseEvent TiltEvent(int direction, bool down);
