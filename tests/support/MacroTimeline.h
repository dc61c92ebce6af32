// A macro's inputs with their deadlines, as the playing thread would send them on a perfect
// clock, with a stop request arriving at a given time (seen at the first deadline at or after it).
#pragma once

#include <cstdint>
#include <limits>
#include <ostream>
#include <vector>

#include "MacroSchedule.h"

struct TimedMacroInput {
    int64_t AtMs;
    MacroInput Input;

    bool operator==(const TimedMacroInput&) const = default;
};

inline std::ostream& operator<<(std::ostream& out, const TimedMacroInput& t)
{
    return out << t.AtMs << " ms: " << int(t.Input.Key) << (t.Input.Down ? " down" : " up");
}

struct MacroTimeline {
    std::vector<TimedMacroInput> Inputs;
    int64_t EndMs = 0;
    bool Stopped = false;
    int LastAction = 0;
};

inline MacroTimeline PlayOnPerfectClock(const MacroBuffer& buffer,
                                        int64_t stopAtMs = std::numeric_limits<int64_t>::max())
{
    MacroTimeline timeline;
    MacroSchedule schedule(buffer, 0);
    while (!schedule.Finished()) {
        const int64_t at = schedule.DeadlineMs();
        const MacroInputs inputs = schedule.Advance(at >= stopAtMs);
        for (int i = 0; i < inputs.Count; ++i) timeline.Inputs.push_back({at, inputs.Input[i]});
        timeline.EndMs = at;
    }
    timeline.Stopped = schedule.Stopped();
    timeline.LastAction = schedule.CurrentAction();
    return timeline;
}

inline MacroBuffer MakeMacroBuffer(std::initializer_list<MacroEvent> events, int repeat = 1)
{
    MacroBuffer buffer;
    for (const MacroEvent& e : events) buffer.Events[buffer.Count++] = e;
    buffer.Repeat = repeat;
    return buffer;
}
