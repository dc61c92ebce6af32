// Prints how precisely a played macro keeps its delays: the error of every input against its
// deadline (median, p99, worst) over a macro with delays from 1 ms to 1000 ms, and the time
// from the request on the window thread to the first synthesized input.
#include <windows.h>

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <cstring>
#include <vector>

#include "ActionsTestSupport.h"
#include "DeadlineClock.h"
#include "MacroPlayThread.h"
#include "MacroTimeline.h"

namespace {

constexpr uint16_t kDelays[] = {1, 2, 3, 4, 5, 7, 10, 12, 15, 16, 17, 20, 25, 30, 33, 40, 50, 64, 75, 100,
                                125, 150, 200, 250, 300, 400, 500, 600, 750, 1000};
constexpr int kRuns = 3;

double Percentile(std::vector<double> values, double p)
{
    std::sort(values.begin(), values.end());
    const size_t index = std::min(values.size() - 1, static_cast<size_t>(std::ceil(p * values.size())) - 1);
    return values[index];
}

}  // namespace

int main()
{
    std::setvbuf(stdout, nullptr, _IONBF, 0);
    // Presses wait at most 500 ms (longer ones type repeatedly); releases carry the long delays.
    ButtonRecord record;
    std::memset(&record, 0, sizeof record);
    record.FunctionCode = 16;
    record.MacroRepeat = 1;
    MacroBuffer buffer;
    buffer.Repeat = 1;
    int i = 0;
    for (uint16_t delay : kDelays) {
        if (i >= kMacroMaxEvents) break;
        const uint8_t action = i % 2 == 0 && delay <= 500 ? kMacroPress : kMacroRelease;
        buffer.Events[i] = {4, action, delay};
        uint8_t* bytes = record.Events + 4 * i;
        bytes[0] = 4;
        bytes[1] = action;
        bytes[2] = static_cast<uint8_t>(delay);
        bytes[3] = static_cast<uint8_t>(delay >> 8);
        ++i;
    }
    buffer.Count = record.EventCount = static_cast<uint16_t>(i);
    const MacroTimeline expected = PlayOnPerfectClock(buffer);

    const DeadlineClock probe;
    std::printf("waitable timer: %s\n", probe.HighResolutionTimer() ? "high resolution" : "raised timer resolution");

    std::vector<double> errors, latencies;
    for (int run = 0; run < kRuns; ++run) {
        RecordingSink sink;
        MacroPlayThread player(sink);
        if (!player.Start()) return 1;
        const double requestAt = sink.NowMs();
        player.Request(record);
        while (player.Playing()) Sleep(20);
        player.Stop();
        const std::vector<RecordedInput> played = sink.Inputs();
        if (played.size() != expected.Inputs.size()) {
            std::printf("run %d: %zu inputs, expected %zu\n", run, played.size(), expected.Inputs.size());
            return 1;
        }
        for (size_t k = 0; k < played.size(); ++k)
            errors.push_back(std::fabs(played[k].AtMs - played[0].AtMs - static_cast<double>(expected.Inputs[k].AtMs)));
        latencies.push_back(played[0].AtMs - requestAt);
    }
    std::printf("macro of %d events, %zu inputs over %lld ms, %d runs\n", buffer.Count, expected.Inputs.size(),
                static_cast<long long>(expected.EndMs), kRuns);
    std::printf("delay error: median %.3f ms, p99 %.3f ms, worst %.3f ms\n", Percentile(errors, 0.5),
                Percentile(errors, 0.99), Percentile(errors, 1.0));
    std::printf("request to first input: median %.3f ms, worst %.3f ms\n", Percentile(latencies, 0.5),
                Percentile(latencies, 1.0));
    return 0;
}
