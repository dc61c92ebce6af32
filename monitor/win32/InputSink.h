// Where synthesized input goes: SendInput in the program, a recorder in the tests, so that what
// is typed and when can be checked without touching the real keyboard.
#pragma once

#include <windows.h>

class InputSink {
public:
    virtual ~InputSink() = default;
    // The inputs of one call reach the input stream together, in order.
    virtual void Send(const INPUT* inputs, UINT count) = 0;
};
