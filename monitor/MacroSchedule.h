// When a macro's inputs happen: the events of a button's macro turned into key and mouse-button
// inputs at deadlines counted in milliseconds from the start of the playback. The playing thread
// only waits for each deadline, asks for the inputs due then and sends them, so the timing rules
// live here and are tested without a clock.
#pragma once

#include <cstdint>
#include <vector>

#include "MacroRecord.h"
#include "SettingsBlock.h"

// Key codes 240-244 stand for mouse buttons.
constexpr uint8_t kMacroMouseLeft = 240;
constexpr uint8_t kMacroMouseRight = 241;
constexpr uint8_t kMacroMouseMiddle = 242;
constexpr uint8_t kMacroMouseBack = 243;     // X button 2
constexpr uint8_t kMacroMouseForward = 244;  // X button 1

constexpr bool IsMacroMouseButton(uint8_t key) { return key >= kMacroMouseLeft && key <= kMacroMouseForward; }

// The play buffer: a copy of a macro button's events.
struct MacroBuffer {
    MacroEvent Events[kMacroMaxEvents] = {};
    int Count = 0;
    int Repeat = 1;  // at least 1
};

// false for a button that holds no macro (another function, or no events); buffer unchanged.
bool LoadMacroBuffer(const ButtonRecord& record, MacroBuffer* buffer);

struct MacroInput {
    uint8_t Key;  // keyboard usage, or 240-244
    bool Down;

    bool operator==(const MacroInput&) const = default;
};

// The inputs due at one deadline: at most a key-up and key-down pair (a long press).
struct MacroInputs {
    int Count = 0;
    MacroInput Input[2] = {};

    void Add(MacroInput input) { Input[Count++] = input; }
};

class MacroSchedule {
public:
    static constexpr int64_t kLongPressStartMs = 500;
    static constexpr int64_t kLongPressRepeatMs = 33;
    static constexpr int64_t kReleaseGapMs = 50;

    // Plays events start to count - 1, repeat times.
    MacroSchedule(const MacroBuffer& buffer, int start);

    bool Finished() const { return m_phase == Phase::Finished; }
    // When the next Advance is due, in ms from the start of the playback.
    int64_t DeadlineMs() const { return m_deadline; }
    // The event being played (g_iCurAction).
    int CurrentAction() const { return m_current; }
    int Start() const { return m_start; }
    int End() const { return m_buffer.Count; }
    // Whether the stop flag ended the playback (the held keys are then released).
    bool Stopped() const { return m_stopped; }

    // Runs the step due at DeadlineMs(), given the stop flag as it reads now, and returns the
    // inputs to send at once. The last step returns none and makes Finished() true.
    MacroInputs Advance(bool stop);

private:
    enum class Phase { Event, LongPress, Releasing, Finished };

    MacroInputs PlayEvent();
    MacroInputs Stop();
    void Hold(uint8_t key);
    void Unhold(uint8_t key);

    MacroBuffer m_buffer;
    int m_start;
    int m_pass = 0;
    int m_action;  // the next event to play
    int m_current;  // the event played last, or stopped before
    int64_t m_deadline = 0;
    Phase m_phase = Phase::Event;
    bool m_stopped = false;
    uint8_t m_longKey = 0;
    int64_t m_longRemaining = 0;
    std::vector<uint8_t> m_held;  // pressed and not released, in the order pressed
};
