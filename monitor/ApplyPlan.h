// What one request to the apply thread sends, as a list of steps, so that the thread only
// executes it (see ApplyPlanRunner) and the order, pauses and abort points can be checked
// without a device.
#pragma once

#include <cstdint>
#include <vector>

#include "SettingsBlock.h"

enum class ApplyStepKind : uint8_t {
    Report,  // SetFeature with the 8 bytes
    Chunk,   // WriteUSB with the 64 bytes
    Pause,   // sleep; not interrupted
    Wait,    // sleep in 100 ms steps; the apply ends when the abort flag is seen during or after it
};

struct ApplyStep {
    ApplyStepKind Kind;
    uint32_t Milliseconds;       // Pause and Wait
    std::vector<uint8_t> Bytes;  // Report and Chunk

    bool operator==(const ApplyStep&) const = default;
};

using ApplyPlan = std::vector<ApplyStep>;

enum class ApplyScope : uint8_t { ChangedOnly, Everything };

// A full or changed-only transfer of the five profiles, ending with the select-profile command.
// A change flag counts as set when it is not 0.
ApplyPlan BuildApplyPlan(const SettingsBlock& block, ApplyScope scope);

// Selecting the current profile on the mouse alone, for a profile switch made on the PC.
ApplyPlan BuildSelectProfilePlan(const SettingsBlock& block);
