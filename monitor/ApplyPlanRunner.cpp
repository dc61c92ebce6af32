#include "ApplyPlanRunner.h"

namespace {
constexpr uint32_t kWaitStep = 100;
}

bool ApplyPlanRunner::Wait(uint32_t ms)
{
    for (uint32_t i = 0; i < ms / kWaitStep; ++i) {
        if (AbortRequested()) return false;
        Sleep(kWaitStep);
    }
    return !AbortRequested();
}

int ApplyPlanRunner::Run(const ApplyPlan& plan)
{
    int result = 0;
    for (const ApplyStep& step : plan) {
        const int length = static_cast<int>(step.Bytes.size());
        switch (step.Kind) {
        case ApplyStepKind::Report:
            result = SendReport(step.Bytes.data(), length);
            break;
        case ApplyStepKind::Chunk:
            WriteChunk(step.Bytes.data(), length);
            break;
        case ApplyStepKind::Pause:
            Sleep(step.Milliseconds);
            break;
        case ApplyStepKind::Wait:
            if (!Wait(step.Milliseconds)) return 0;
            break;
        }
    }
    return result;
}
