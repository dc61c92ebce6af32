// The virtual mouse without its window and pipe: memory, frame checking, what its controls do,
// the plugged state and the transcript. Frames come from the pipe's thread, controls from the
// window's; every call is safe from any thread.
#pragma once

#include <cstdint>
#include <functional>
#include <mutex>
#include <string>
#include <vector>

#include "FrameChecker.h"
#include "MouseActions.h"
#include "MouseMemory.h"

class VirtualMouseDevice {
public:
    struct Links {
        std::function<void(const std::string& body)> Transcript;  // a transcript line, without the time
        std::function<void(const MouseEvent&)> Event;              // to the PC
        std::function<void(bool plugged)> Plug;                    // to the PC
    };

    VirtualMouseDevice(bool plugged, Links links);

    // Writes the starting state to the transcript, once the PC can reach the mouse.
    void Announce();

    // A frame from the PC: written to the transcript, checked and applied. False when the
    // mouse is unplugged (it then takes nothing).
    bool TakeCommand(const uint8_t* report, size_t size);
    bool TakeChunk(const uint8_t* chunk, size_t size);

    // The controls; an unplugged mouse changes nothing and reports nothing.
    void PressButton(int b, bool down);
    void StepProfile(MouseStep step);
    void StepDpi(MouseStep step);
    void NextReportInterval();
    void StepSensitivity(int delta);
    void Tilt(int direction, bool down);
    // An event named from outside (the command line), sent as it is.
    void SendEvent(uint16_t kind, uint16_t value);

    void SetPlugged(bool plugged);
    bool Plugged() const;
    MouseMemory Memory() const;

private:
    bool TakeFrame(bool command, const uint8_t* bytes, size_t size);
    // Runs action on the memory when plugged, then reports its events in order.
    void Act(const std::function<std::vector<MouseEvent>(MouseMemory&)>& action);

    mutable std::mutex m_mutex;
    Links m_links;
    bool m_plugged;
    MouseMemory m_memory;
    FrameChecker m_checker;
};
