#include <windows.h>

#include <gtest/gtest.h>

#include <filesystem>
#include <string>

#include "NoticeOverlay.h"
#include "ProcessLink.h"
#include "TempDir.h"
#include "UniqueResource.h"

namespace {

std::string TestFolder()
{
    char path[MAX_PATH] = "";
    GetModuleFileNameA(nullptr, path, MAX_PATH);
    return std::filesystem::path(path).parent_path().string() + "\\";
}

UniqueHandle StartProgram(const std::string& exe)
{
    STARTUPINFOA startup{};
    startup.cb = sizeof startup;
    PROCESS_INFORMATION process{};
    std::string command = "\"" + exe + "\"";
    if (!CreateProcessA(exe.c_str(), command.data(), nullptr, nullptr, FALSE, 0, nullptr, nullptr, &startup, &process))
        return UniqueHandle();
    CloseHandle(process.hThread);
    return UniqueHandle(process.hProcess);
}

template <typename Condition>
bool WaitFor(Condition condition, DWORD timeoutMs)
{
    const ULONGLONG end = GetTickCount64() + timeoutMs;
    while (!condition()) {
        if (GetTickCount64() > end) return false;
        MSG msg;
        while (PeekMessageA(&msg, nullptr, 0, 0, PM_REMOVE)) DispatchMessageA(&msg);
        Sleep(20);
    }
    return true;
}

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
    HDC screen = GetDC(nullptr);
    HDC memory = CreateCompatibleDC(screen);
    BITMAPINFO info{};
    info.bmiHeader = {sizeof(BITMAPINFOHEADER), w, -h, 1, 24, BI_RGB, 0, 0, 0, 0, 0};
    void* bits = nullptr;
    UniqueGdi<HBITMAP> bitmap(CreateDIBSection(screen, &info, DIB_RGB_COLORS, &bits, nullptr, 0));
    HGDIOBJ old = SelectObject(memory, bitmap.get());
    BitBlt(memory, 0, 0, w, h, screen, r.left, r.top, SRCCOPY);
    SelectObject(memory, old);
    DeleteDC(memory);
    ReleaseDC(nullptr, screen);
    const DWORD stride = (w * 3 + 3) & ~3u;
    BITMAPFILEHEADER file{0x4D42, static_cast<DWORD>(sizeof(BITMAPFILEHEADER) + sizeof(BITMAPINFOHEADER) + stride * h), 0, 0,
                          sizeof(BITMAPFILEHEADER) + sizeof(BITMAPINFOHEADER)};
    std::string bytes(reinterpret_cast<const char*>(&file), sizeof file);
    bytes.append(reinterpret_cast<const char*>(&info.bmiHeader), sizeof info.bmiHeader);
    bytes.append(static_cast<const char*>(bits), stride * h);
    TempDir::Write(path, bytes);
}

class HeraldTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        std::filesystem::copy_file(TestFolder() + "Herald.exe", dir.File("Herald.exe"));
        std::filesystem::create_directories(dir.File("config"));
        TempDir::Write(dir.File("config.ini"),
                       "[OSDData]\r\nMessage=CPI: 1600\r\n[MacroOSD]\r\nNumber=3\r\nMacroName=Combo\r\n");
        TempDir::Write(dir.File("config\\Default1.gmp"), "[Setting]\r\nProFileName=Racing\r\n");
        ASSERT_FALSE(FindWindowA(nullptr, kNoticeTitle)) << "another notice program runs";
        herald = StartProgram(dir.File("Herald.exe"));
        ASSERT_TRUE(herald);
        ASSERT_TRUE(WaitFor([&] { return (notice = FindWindowA(nullptr, kNoticeTitle)) != nullptr; }, 10000));
    }
    void TearDown() override
    {
        if (notice && IsWindow(notice)) PostMessageA(notice, WM_CLOSE, 0, 0);
        if (herald) WaitForSingleObject(herald.get(), 5000);
    }

    TempDir dir;
    UniqueHandle herald;
    HWND notice = nullptr;
};

}  // namespace

TEST_F(HeraldTest, ShowsEachKindOfNoticeWithoutTakingTheFocusAndFadesOut)
{
    // A window of the test holds the focus throughout.
    HWND focus = CreateWindowExA(0, "STATIC", "focus", WS_OVERLAPPEDWINDOW | WS_VISIBLE, 50, 50, 200, 100, nullptr,
                                 nullptr, nullptr, nullptr);
    SetForegroundWindow(focus);
    WaitFor([&] { return GetForegroundWindow() == focus; }, 1000);
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
        ASSERT_TRUE(WaitFor([&] {
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
    WaitFor([] { return false; }, 150);
    HDC screen = GetDC(nullptr);
    const COLORREF accent = GetPixel(screen, r.left + 2, (r.top + r.bottom) / 2);
    ReleaseDC(nullptr, screen);
    EXPECT_NEAR(250, GetRValue(accent), 40);
    EXPECT_NEAR(158, GetGValue(accent), 40);
    EXPECT_NEAR(57, GetBValue(accent), 40);
    const std::string reports = TestFolder() + "..\\..\\test-results";
    if (std::filesystem::is_directory(reports)) SaveScreenshot(r, reports + "\\herald-notice.bmp");

    EXPECT_TRUE(WaitFor([&] { return !IsWindowVisible(overlay); }, 4000)) << "the notice stays";
    DestroyWindow(focus);
}

TEST_F(HeraldTest, SecondStartEndsAtOnceAndCloseEndsTheFirst)
{
    UniqueHandle second = StartProgram(dir.File("Herald.exe"));
    ASSERT_TRUE(second);
    ASSERT_EQ(WAIT_OBJECT_0, WaitForSingleObject(second.get(), 10000));
    DWORD code = 1;
    GetExitCodeProcess(second.get(), &code);
    EXPECT_EQ(0u, code);
    EXPECT_EQ(notice, FindWindowA(nullptr, kNoticeTitle));

    PostMessageA(notice, WM_CLOSE, 0, 0);
    EXPECT_EQ(WAIT_OBJECT_0, WaitForSingleObject(herald.get(), 5000));
    notice = nullptr;
}
