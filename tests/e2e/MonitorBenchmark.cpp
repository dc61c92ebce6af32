// Figures of Monitor against the virtual mouse: how closely a transfer keeps the mouse's pauses,
// how fast Monitor reacts to the mouse, and what it costs while idle. Prints, asserts nothing.
#include <windows.h>
#include <psapi.h>

#include <algorithm>
#include <cstdio>
#include <vector>

#include "ProcessLink.h"
#include "SuiteFixture.h"

namespace {

double Seconds(const FILETIME& t)
{
    return (static_cast<double>(t.dwHighDateTime) * 4294967296.0 + t.dwLowDateTime) / 1e7;
}

class MonitorBenchmark : public SuiteFixture {};

TEST_F(MonitorBenchmark, Figures)
{
    StandInWindow option(kOptionTitle, {kMsgProfileChanged});
    StartVirtualMouse();
    StartMonitor();
    const int end = WaitForFrame("F 02010000000000FC");
    ASSERT_GT(end, 0);
    const std::vector<TranscriptLine> lines = Transcript();
    uint32_t first = 0, last = 0;
    for (const TranscriptLine& l : lines)
        if (l.Type == 'F' || l.Type == 'W') {
            if (!first) first = l.Ms;
            last = l.Ms;
        }
    std::printf("full transfer: %u ms, mandated pauses 5700 ms, ratio %.3f\n", last - first, (last - first) / 5700.0);

    LARGE_INTEGER frequency, start, stop;
    QueryPerformanceFrequency(&frequency);
    std::vector<double> reactions;
    for (int i = 0; i < 20; ++i) {
        const size_t before = option.Count(kMsgProfileChanged);
        QueryPerformanceCounter(&start);
        ASSERT_TRUE(SendMouseEvent(0x0800, static_cast<uint16_t>(1 + i % 5)));
        ASSERT_TRUE(PumpUntil([&] { return option.Count(kMsgProfileChanged) > before; }, 5000));
        QueryPerformanceCounter(&stop);
        reactions.push_back(1000.0 * static_cast<double>(stop.QuadPart - start.QuadPart) / frequency.QuadPart);
    }
    std::sort(reactions.begin(), reactions.end());
    std::printf("mouse event to Option's 1255: min %.2f ms, median %.2f ms, max %.2f ms (%zu events)\n",
                reactions.front(), reactions[reactions.size() / 2], reactions.back(), reactions.size());

    FILETIME created, exited, kernelBefore, userBefore, kernelAfter, userAfter;
    GetProcessTimes(m_monitor.Native(), &created, &exited, &kernelBefore, &userBefore);
    PumpUntil([] { return false; }, 60000);
    GetProcessTimes(m_monitor.Native(), &created, &exited, &kernelAfter, &userAfter);
    PROCESS_MEMORY_COUNTERS memory{};
    memory.cb = sizeof memory;
    GetProcessMemoryInfo(m_monitor.Native(), &memory, sizeof memory);
    const double cpu = Seconds(kernelAfter) - Seconds(kernelBefore) + Seconds(userAfter) - Seconds(userBefore);
    std::printf("idle minute with the mouse attached: CPU %.3f s, working set %.1f MiB (peak %.1f MiB)\n", cpu,
                memory.WorkingSetSize / 1048576.0, memory.PeakWorkingSetSize / 1048576.0);
}

}  // namespace
