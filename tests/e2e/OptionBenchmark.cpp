// Figures of Option beside Monitor and the virtual mouse: how long a start takes until the main
// window stands painted on the screen, and how long an Apply of one profile's change keeps the
// window busy until Monitor's 1256. Prints, asserts nothing.
#include <windows.h>

#include <algorithm>
#include <cstdio>
#include <vector>

#include "Gdi.h"
#include "OptionDriver.h"
#include "StandInWindow.h"
#include "SuiteFixture.h"

namespace {

enum MainKey { kApply = 14, kRightHanded = 35, kLeftHanded = 36 };

class Stopwatch {
public:
    Stopwatch()
    {
        QueryPerformanceFrequency(&m_frequency);
        Restart();
    }
    void Restart() { QueryPerformanceCounter(&m_start); }
    double Ms() const
    {
        LARGE_INTEGER now;
        QueryPerformanceCounter(&now);
        return 1000.0 * static_cast<double>(now.QuadPart - m_start.QuadPart) / static_cast<double>(m_frequency.QuadPart);
    }

private:
    LARGE_INTEGER m_frequency{}, m_start{};
};

void Print(const char* what, std::vector<double> ms)
{
    std::sort(ms.begin(), ms.end());
    std::printf("%s: min %.1f ms, median %.1f ms, max %.1f ms (%zu runs)\n", what, ms.front(), ms[ms.size() / 2],
                ms.back(), ms.size());
}

// A grid of points inside the window (clear of its cut corners), as the screen shows them.
std::vector<COLORREF> Face(HWND window)
{
    RECT r{};
    GetWindowRect(window, &r);
    WindowDc screen(nullptr);
    std::vector<COLORREF> face;
    for (int i = 1; i < 8; ++i)
        for (int j = 1; j < 4; ++j)
            face.push_back(GetPixel(screen.get(), r.left + (r.right - r.left) * i / 8, r.top + (r.bottom - r.top) * j / 4));
    return face;
}

// From the start of the process until the window's face is what it stays.
double StartToPaint(OptionDriver& ui, const std::string& program)
{
    struct Sample {
        double ms;
        std::vector<COLORREF> face;
    };
    std::vector<Sample> samples;
    const Stopwatch clock;
    if (!ui.Process().Start(program)) return -1;
    while (clock.Ms() < 5000) {
        const HWND window = OptionDriver::Window();
        if (window && IsWindowVisible(window)) samples.push_back({clock.Ms(), Face(window)});
        else Sleep(1);
    }
    if (samples.empty()) return -1;
    size_t first = samples.size() - 1;
    while (first > 0 && samples[first - 1].face == samples.back().face) --first;
    return samples[first].ms;
}

class OptionBenchmark : public SuiteFixture {
protected:
    void SetUp() override
    {
        SuiteFixture::SetUp();
        InstallOption();
    }
};

TEST_F(OptionBenchmark, Figures)
{
    StartVirtualMouse();
    StartMonitor();
    ASSERT_GT(WaitForFrame("F 02010000000000FC"), 0);

    std::vector<double> starts;
    for (int run = 0; run < 5; ++run) {
        OptionDriver ui(Folder());
        const double ms = StartToPaint(ui, Folder() + "Option.exe");
        ASSERT_GT(ms, 0) << "Option showed no window";
        starts.push_back(ms);
        PostMessageA(OptionDriver::Window(), WM_CLOSE, 0, 0);
        ASSERT_EQ(0, ui.Process().Wait(10000));
    }
    Print("start to the painted main window", starts);

    // Each Apply hands over one profile whose hand changed.
    OptionDriver ui(Folder());
    ASSERT_TRUE(ui.Start());
    std::vector<double> applies;
    std::vector<size_t> frames;
    for (int run = 0; run < 10; ++run) {
        ui.Click(run % 2 ? kRightHanded : kLeftHanded);
        const RECT apply = ui.KeyRect(kApply);
        ui.MouseTo((apply.left + apply.right) / 2, (apply.top + apply.bottom) / 2);
        OptionDriver::Press(MOUSEEVENTF_LEFTDOWN);
        const size_t before = FrameTexts(Transcript()).size();
        const Stopwatch clock;
        OptionDriver::SendButton(MOUSEEVENTF_LEFTUP);
        while (ui.OkAndApplyEnabled() && clock.Ms() < 2000) Sleep(1);
        while (!ui.OkAndApplyEnabled() && clock.Ms() < 20000) Sleep(1);
        applies.push_back(clock.Ms());
        PumpUntil([] { return false; }, 300);
        frames.push_back(FrameTexts(Transcript()).size() - before);
    }
    Print("Apply of one profile's change to 1256 (OK and Apply enabled again)", applies);
    std::printf("frames sent per Apply: %zu to %zu\n", *std::min_element(frames.begin(), frames.end()),
                *std::max_element(frames.begin(), frames.end()));
    PostMessageA(OptionDriver::Window(), WM_CLOSE, 0, 0);
    ui.Process().Wait(10000);
}

}  // namespace
