// Executes an apply plan against the device. The apply thread derives from this and supplies
// the library calls, the sleep and the abort flag; the stepping and the abort rule live here.
#pragma once

#include <cstdint>

#include "ApplyPlan.h"

class ApplyPlanRunner {
public:
    virtual ~ApplyPlanRunner() = default;

    // 0 when the abort flag ended the plan, otherwise the result of the last report sent.
    int Run(const ApplyPlan& plan);

protected:
    virtual int SendReport(const uint8_t* bytes, int length) = 0;
    virtual void WriteChunk(const uint8_t* bytes, int length) = 0;
    virtual void Sleep(uint32_t ms) = 0;
    virtual bool AbortRequested() = 0;

private:
    // false when the abort flag was seen.
    bool Wait(uint32_t ms);
};
