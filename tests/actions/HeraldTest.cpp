#include <windows.h>

#include <gtest/gtest.h>

#include <filesystem>
#include <string>

#include "ChildProcess.h"
#include "Gdi.h"
#include "NoticeOverlay.h"
#include "ProcessLink.h"
#include "ProgramFolder.h"
#include "StandInWindow.h"
#include "TempDir.h"

namespace {

std::string TextOf(HWND window)
{
    char text[512] = "";
    GetWindowTextA(window, text, sizeof text);
    return text;
}

// Saves the screen rectangle as a picture beside the test reports, for a look by eye.
void SaveScreenshot(const RECT& r, const std::string& path)
{
    const int w = r.right - r.left, h = r.bottom - r.top;
    BITMAPINFO info{};
    info.bmiHeader = {sizeof(BITMAPINFOHEADER), w, -h, 1, 24, BI_RGB, 0, 0, 0, 0, 0};
    void* bits = nullptr;
    {
        WindowDc screen(nullptr);
        MemoryDc memory(screen.get());
        UniqueGdi<HBITMAP> bitmap(CreateDIBSection(screen.get(), &info, DIB_RGB_COLORS, &bits, nullptr, 0));
        SelectScope select(memory.get(), bitmap.get());
        BitBlt(memory.get(), 0, 0, w, h, screen.get(), r.left, r.top, SRCCOPY);
        GdiFlush();
        const DWORD stride = (w * 3 + 3) & ~3u;
        BITMAPFILEHEADER file{0x4D42, static_cast<DWORD>(sizeof(BITMAPFILEHEADER) + sizeof(BITMAPINFOHEADER) + stride * h),
                              0, 0, sizeof(BITMAPFILEHEADER) + sizeof(BITMAPINFOHEADER)};
        std::string bytes(reinterpret_cast<const char*>(&file), sizeof file);
        bytes.append(reinterpret_cast<const char*>(&info.bmiHeader), sizeof info.bmiHeader);
        bytes.append(static_cast<const char*>(bits), stride * h);
        TempDir::Write(path, bytes);
    }
}

class HeraldTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        std::filesystem::copy_file(GetProgramFolder() + "Herald.exe", dir.File("Herald.exe"));
        std::filesystem::create_directories(dir.File("config"));
        TempDir::Write(dir.File("config.ini"),
                       "[OSDData]\r\nMessage=CPI: 1600\r\n[MacroOSD]\r\nNumber=3\r\nMacroName=Combo\r\n");
        TempDir::Write(dir.File("config\\Default1.gmp"), "[Setting]\r\nProFileName=Racing\r\n");
        ASSERT_FALSE(FindWindowA(nullptr, kNoticeTitle)) << "another notice program runs";
        ASSERT_TRUE(herald.Start(dir.File("Herald.exe")));
        ASSERT_TRUE(PumpUntil([&] { return (notice = FindWindowA(nullptr, kNoticeTitle)) != nullptr; }, 10000));
    }
    void TearDown() override
    {
        if (notice && IsWindow(notice)) PostMessageA(notice, WM_CLOSE, 0, 0);
        herald.Wait(5000);
    }

    TempDir dir;
    ChildProcess herald;
    HWND notice = nullptr;
};

}  // namespace

TEST_F(HeraldTest, ShowsEachKindOfNoticeWithoutTakingTheFocusAndFadesOut)
{
    // A window of the test holds the focus throughout.
    HWND focus = CreateWindowExA(0, "STATIC", "focus", WS_OVERLAPPEDWINDOW | WS_VISIBLE, 50, 50, 200, 100, nullptr,
                                 nullptr, nullptr, nullptr);
    SetForegroundWindow(focus);
    PumpUntil([&] { return GetForegroundWindow() == focus; }, 1000);
    const HWND before = GetForegroundWindow();

    struct Case {
        WPARAM Kind;
        LPARAM Value;
        const char* Text;
    };
    const Case cases[] = {
        {kNoticeProfile, 1 << 16, "Profile 2: Racing"},
        {kNoticeProfile, 3 << 16, "Profile 4"},
        {kNoticeText, 0, "CPI: 1600"},
        {kNoticeMacro, 0, "Macro: Combo"},
    };
    HWND overlay = nullptr;
    for (const Case& c : cases) {
        SCOPED_TRACE(c.Text);
        PostMessageA(notice, kMsgNotice, c.Kind, c.Value);
        ASSERT_TRUE(PumpUntil([&] {
            overlay = FindWindowA(kNoticeOverlayClass, nullptr);
            return overlay && IsWindowVisible(overlay) && TextOf(overlay) == c.Text;
        }, 3000)) << "shown: " << (overlay ? TextOf(overlay) : "no overlay");
        const LONG_PTR ex = GetWindowLongPtrA(overlay, GWL_EXSTYLE);
        const LONG_PTR wanted = WS_EX_TOPMOST | WS_EX_LAYERED | WS_EX_TRANSPARENT | WS_EX_NOACTIVATE | WS_EX_TOOLWINDOW;
        EXPECT_EQ(wanted, ex & wanted);
        EXPECT_EQ(before, GetForegroundWindow());
    }

    // The panel sits in the lower part of the screen with the orange accent at its left edge.
    RECT r;
    GetWindowRect(overlay, &r);
    EXPECT_GT(r.top, GetSystemMetrics(SM_CYSCREEN) / 2);
    PumpUntil([] { return false; }, 150);
    const COLORREF accent = GetPixel(WindowDc(nullptr).get(), r.left + 2, (r.top + r.bottom) / 2);
    EXPECT_NEAR(250, GetRValue(accent), 40);
    EXPECT_NEAR(158, GetGValue(accent), 40);
    EXPECT_NEAR(57, GetBValue(accent), 40);
    const std::string reports = GetProgramFolder() + "..\\..\\test-results";
    if (std::filesystem::is_directory(reports)) SaveScreenshot(r, reports + "\\herald-notice.bmp");

    EXPECT_TRUE(PumpUntil([&] { return !IsWindowVisible(overlay); }, 4000)) << "the notice stays";
    DestroyWindow(focus);
}

TEST_F(HeraldTest, SecondStartEndsAtOnceAndCloseEndsTheFirst)
{
    ChildProcess second;
    ASSERT_TRUE(second.Start(dir.File("Herald.exe")));
    ASSERT_EQ(0, second.Wait(10000));
    EXPECT_EQ(notice, FindWindowA(nullptr, kNoticeTitle));

    PostMessageA(notice, WM_CLOSE, 0, 0);
    EXPECT_EQ(0, herald.Wait(5000));
    notice = nullptr;
}
