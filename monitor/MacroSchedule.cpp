#include "MacroSchedule.h"

#include <algorithm>

#include "ButtonTable.h"

bool LoadMacroBuffer(const ButtonRecord& record, MacroBuffer* buffer)
{
    if (record.FunctionCode != kFunctionMacro || record.EventCount == 0) return false;
    buffer->Count = std::min<int>(record.EventCount, kMacroMaxEvents);
    for (int i = 0; i < kMacroMaxEvents; ++i) {
        const uint8_t* bytes = record.Events + 4 * i;
        buffer->Events[i] = {bytes[0], bytes[1], static_cast<uint16_t>(bytes[2] | bytes[3] << 8)};
    }
    buffer->Repeat = record.MacroRepeat > 0 ? record.MacroRepeat : 1;
    return true;
}

MacroSchedule::MacroSchedule(const MacroBuffer& buffer, int start)
    : m_buffer(buffer), m_start(std::clamp(start, 0, buffer.Count)), m_action(m_start), m_current(m_start)
{
    m_buffer.Repeat = std::max(1, m_buffer.Repeat);
}

MacroInputs MacroSchedule::Advance(bool stop)
{
    switch (m_phase) {
    case Phase::Finished:
        return {};
    case Phase::Releasing: {
        if (m_held.empty()) {
            m_phase = Phase::Finished;
            return {};
        }
        MacroInputs inputs;
        inputs.Add({m_held.back(), false});
        m_held.pop_back();
        m_deadline += kReleaseGapMs;
        return inputs;
    }
    case Phase::LongPress:
        if (m_longRemaining > 0) {
            // Typed like a held key: up and down again; a stop ends the press at once.
            MacroInputs inputs;
            inputs.Add({m_longKey, false});
            inputs.Add({m_longKey, true});
            if (stop) {
                m_phase = Phase::Event;
            } else {
                m_deadline += kLongPressRepeatMs;
                m_longRemaining -= kLongPressRepeatMs;
            }
            return inputs;
        }
        m_phase = Phase::Event;
        break;
    case Phase::Event:
        break;
    }

    if (m_action >= m_buffer.Count) {
        // End of a pass.
        ++m_pass;
        if (stop) return Stop();
        if (m_pass >= m_buffer.Repeat || m_start >= m_buffer.Count) {
            m_phase = Phase::Finished;
            return {};
        }
        m_action = m_start;
    }
    m_current = m_action;
    if (stop) return Stop();
    return PlayEvent();
}

MacroInputs MacroSchedule::PlayEvent()
{
    const MacroEvent& event = m_buffer.Events[m_action++];
    const int64_t delay = event.Delay != 0 ? event.Delay : 1;
    if (event.Action == kMacroPress) Hold(event.Key);
    if (event.Action == kMacroRelease) Unhold(event.Key);

    MacroInputs inputs;
    if (IsMacroMouseButton(event.Key)) {
        if (event.Action == kMacroPress || event.Action == kMacroRelease)
            inputs.Add({event.Key, event.Action == kMacroPress});
        m_deadline += delay;
        return inputs;
    }
    inputs.Add({event.Key, event.Action != kMacroRelease});
    if (event.Action == kMacroRelease || (event.Action == kMacroPress && delay <= kLongPressStartMs)) {
        m_deadline += delay;
    } else if (event.Action == kMacroPress) {
        m_deadline += kLongPressStartMs;
        m_phase = Phase::LongPress;
        m_longKey = event.Key;
        m_longRemaining = delay - kLongPressStartMs;
    }
    return inputs;
}

MacroInputs MacroSchedule::Stop()
{
    m_stopped = true;
    m_phase = Phase::Releasing;
    return Advance(true);
}

void MacroSchedule::Hold(uint8_t key) { m_held.push_back(key); }

void MacroSchedule::Unhold(uint8_t key)
{
    const auto it = std::find(m_held.rbegin(), m_held.rend(), key);
    if (it != m_held.rend()) m_held.erase(std::next(it).base());
}
