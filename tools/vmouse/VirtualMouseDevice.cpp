#include "VirtualMouseDevice.h"

#include "Transcript.h"

VirtualMouseDevice::VirtualMouseDevice(bool plugged, Links links)
    : m_links(std::move(links)), m_plugged(plugged), m_memory(FactoryMemory()), m_checker(m_memory)
{
}

void VirtualMouseDevice::Announce()
{
    std::lock_guard lock(m_mutex);
    m_links.Transcript(TranscriptPlug(m_plugged));
}

bool VirtualMouseDevice::TakeCommand(const uint8_t* report, size_t size) { return TakeFrame(true, report, size); }
bool VirtualMouseDevice::TakeChunk(const uint8_t* chunk, size_t size) { return TakeFrame(false, chunk, size); }

bool VirtualMouseDevice::TakeFrame(bool command, const uint8_t* bytes, size_t size)
{
    std::lock_guard lock(m_mutex);
    m_links.Transcript(command ? TranscriptCommand(bytes, size) : TranscriptChunk(bytes, size));
    if (!m_plugged) {
        m_links.Transcript(TranscriptError(command ? "command report while unplugged" : "chunk while unplugged"));
        return false;
    }
    const std::vector<std::string> errors =
        command ? m_checker.TakeCommand(bytes, size) : m_checker.TakeChunk(bytes, size);
    for (const std::string& error : errors) m_links.Transcript(TranscriptError(error));
    return true;
}

void VirtualMouseDevice::Act(const std::function<std::vector<MouseEvent>(MouseMemory&)>& action)
{
    std::vector<MouseEvent> events;
    {
        std::lock_guard lock(m_mutex);
        if (!m_plugged) return;
        events = action(m_memory);
        for (const MouseEvent& e : events) m_links.Transcript(TranscriptEvent(e.Kind, e.Value));
    }
    // Outside the lock: sending may wait for the PC, which must stay free to send frames.
    for (const MouseEvent& e : events) m_links.Event(e);
}

void VirtualMouseDevice::PressButton(int b, bool down)
{
    Act([&](MouseMemory& m) { return ::PressButton(m, b, down); });
}

void VirtualMouseDevice::StepProfile(MouseStep step)
{
    Act([&](MouseMemory& m) { return std::vector{::StepProfile(m, step)}; });
}

void VirtualMouseDevice::StepDpi(MouseStep step)
{
    Act([&](MouseMemory& m) { return std::vector{::StepDpi(m, step)}; });
}

void VirtualMouseDevice::NextReportInterval()
{
    Act([](MouseMemory& m) { return std::vector{::NextReportInterval(m)}; });
}

void VirtualMouseDevice::StepSensitivity(int delta)
{
    Act([&](MouseMemory& m) { return std::vector{::StepSensitivity(m, delta)}; });
}

void VirtualMouseDevice::Tilt(int direction, bool down)
{
    Act([&](MouseMemory&) { return std::vector{TiltEvent(direction, down)}; });
}

void VirtualMouseDevice::SendEvent(uint16_t kind, uint16_t value)
{
    Act([&](MouseMemory&) { return std::vector{MouseEvent{kind, value}}; });
}

void VirtualMouseDevice::SetPlugged(bool plugged)
{
    {
        std::lock_guard lock(m_mutex);
        if (m_plugged == plugged) return;
        m_plugged = plugged;
        m_links.Transcript(TranscriptPlug(plugged));
    }
    m_links.Plug(plugged);
}

bool VirtualMouseDevice::Plugged() const
{
    std::lock_guard lock(m_mutex);
    return m_plugged;
}

MouseMemory VirtualMouseDevice::Memory() const
{
    std::lock_guard lock(m_mutex);
    return m_memory;
}
