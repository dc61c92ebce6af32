#include "TiltScroller.h"

#include <gtest/gtest.h>

#include <cstring>
#include <memory>

#include "ActionsTestSupport.h"
#include "TiltScrollFinder.h"

namespace {

constexpr RECT kHostRect{100, 100, 500, 420};
constexpr RECT kDocRect{0, 0, 300, 200};
constexpr RECT kBarRect{0, 200, 300, 217};
constexpr POINT kOverDoc{100 + 150, 100 + 100};  // screen, the middle of the document

class TiltScrollTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        std::memset(&profile, 0, sizeof profile);
        profile.TiltSpeed = 3;
        GetCursorPos(&saved);
        log.clear();
    }
    void TearDown() override
    {
        SetCursorPos(saved.x, saved.y);
        // The bars made by CreateWindowEx; the children with owners are gone already.
        if (host)
            while (HWND child = GetWindow(host->Handle(), GW_CHILD)) DestroyWindow(child);
    }
    static void TearDownTestSuite() { host.reset(); }

    // Top-level windows are slow to go away under Wine, so one host serves the tests in turn.
    MessageWindow& Host(const char* className = "TiltHost")
    {
        if (!host || WindowClassOf(host->Handle()) != className)
            host = std::make_unique<MessageWindow>(className, "tilt host", WS_POPUP | WS_VISIBLE, WS_EX_TOPMOST,
                                                   kHostRect, nullptr, &log);
        return *host;
    }
    std::unique_ptr<MessageWindow> Child(const char* className, HWND parent, RECT rect, DWORD style = 0)
    {
        return std::make_unique<MessageWindow>(className, "", WS_CHILD | WS_VISIBLE | style, 0, rect, parent, &log);
    }
    HWND Bar(HWND parent, RECT rect, DWORD style = SBS_HORZ)
    {
        return CreateWindowExA(0, "ScrollBar", "", WS_CHILD | WS_VISIBLE | style, rect.left, rect.top,
                               rect.right - rect.left, rect.bottom - rect.top, parent, nullptr, nullptr, nullptr);
    }
    void Tilt(int direction, POINT at = kOverDoc)
    {
        PumpMessagesFor(30);
        SetCursorPos(at.x, at.y);
        log.clear();
        TiltScroller(sink).Scroll(profile, direction);
        PumpMessagesFor(30);
    }
    static std::vector<RecordedMessage> Times(int n, RecordedMessage m) { return std::vector<RecordedMessage>(n, m); }

    ProfileRecord profile;
    RecordingSink sink;
    static inline std::vector<RecordedMessage> log;
    static inline std::unique_ptr<MessageWindow> host;
    POINT saved{};
};

}  // namespace

TEST_F(TiltScrollTest, OwnerScrollClassesScrollTheBarBesideTheDocument)
{
    for (const char* name : {"_WwG", "paneClassDC", "VISIOG", "PSViewC", "EditControl", "FrontPageEditorDocumentView",
                             "AVL_AVView", "OGrid", "OFormSub", "OPrtPrevPage"}) {
        SCOPED_TRACE(name);
        const HWND h = Host().Handle();
        auto doc = Child(name, h, kDocRect);
        const HWND bar = Bar(h, kBarRect);
        Tilt(-1);
        EXPECT_EQ(Times(3, {h, WM_HSCROLL, SB_LINERIGHT, reinterpret_cast<LPARAM>(bar)}), log);
        Tilt(+1);
        EXPECT_EQ(Times(3, {h, WM_HSCROLL, SB_LINELEFT, reinterpret_cast<LPARAM>(bar)}), log);
        DestroyWindow(bar);
    }
}

TEST_F(TiltScrollTest, OtherClassesWithAHorizontalBarGetScrollMessagesThemselves)
{
    const HWND h = Host().Handle();
    auto doc = Child("PlainDocument", h, kDocRect, WS_HSCROLL);
    Tilt(-1);
    EXPECT_EQ(Times(3, {doc->Handle(), WM_HSCROLL, SB_LINERIGHT, 0}), log);
}

TEST_F(TiltScrollTest, WindowsWithoutAHorizontalBarAreLeftAlone)
{
    const HWND h = Host().Handle();
    auto doc = Child("PlainDocument", h, kDocRect);
    Bar(h, {300, 0, 317, 200}, SBS_VERT);
    Tilt(-1);
    EXPECT_TRUE(log.empty());
}

TEST_F(TiltScrollTest, BrowserGetsArrowKeysAtItsOuterWindow)
{
    const HWND h = Host().Handle();
    auto content = Child("MozillaWindowClass", h, kDocRect);
    Tilt(+1);
    std::vector<RecordedMessage> expected;
    for (int i = 0; i < 3; ++i) {
        expected.push_back({h, WM_KEYDOWN, VK_LEFT, 0x014B0001});
        expected.push_back({h, WM_KEYUP, VK_LEFT, static_cast<LPARAM>(0xC14B0001u)});
    }
    EXPECT_EQ(expected, log);
    Tilt(-1);
    EXPECT_EQ((RecordedMessage{h, WM_KEYDOWN, VK_RIGHT, 0x014D0001}), log.at(0));
}

TEST_F(TiltScrollTest, SpreadsheetClicksTheBarArrowAndPutsTheCursorBack)
{
    const HWND h = Host().Handle();
    auto doc = Child("EXCEL7", h, kDocRect);
    const HWND bar = Bar(h, kBarRect);
    RECT barRect;
    GetWindowRect(bar, &barRect);
    struct Case {
        int Direction;
        LONG X;
    };
    for (const Case& c : {Case{+1, barRect.left + 5}, Case{-1, barRect.right - 5}}) {
        SCOPED_TRACE(c.Direction);
        RecordingSink clicks;
        SetCursorPos(kOverDoc.x, kOverDoc.y);
        TiltScroller(clicks).Scroll(profile, c.Direction);
        const std::vector<RecordedInput> inputs = clicks.Inputs();
        ASSERT_EQ(6u, inputs.size());
        for (size_t i = 0; i < inputs.size(); ++i) {
            EXPECT_EQ(c.X, inputs[i].Cursor.x);
            EXPECT_EQ(barRect.top + 5, inputs[i].Cursor.y);
            EXPECT_EQ(static_cast<DWORD>(MOUSEEVENTF_ABSOLUTE | (i % 2 ? MOUSEEVENTF_LEFTUP : MOUSEEVENTF_LEFTDOWN)),
                      inputs[i].Input.mi.dwFlags);
        }
        POINT now;
        GetCursorPos(&now);
        EXPECT_EQ(kOverDoc.x, now.x);
        EXPECT_EQ(kOverDoc.y, now.y);
    }
    EXPECT_TRUE(log.empty());
}

TEST_F(TiltScrollTest, FramedBarIsFoundInsideItsFrame)
{
    const HWND h = Host().Handle();
    auto doc = Child("AVL_AVView", h, kDocRect);
    auto frame = Child("AVL_AVScrollBar", h, kBarRect);
    const HWND bar = Bar(frame->Handle(), {0, 0, 300, 17});
    Tilt(-1);
    EXPECT_EQ(Times(3, {frame->Handle(), WM_HSCROLL, SB_LINERIGHT, reinterpret_cast<LPARAM>(bar)}), log);
}

TEST_F(TiltScrollTest, PaneFindsABarElsewhereUnderItsParentWithinItsSpan)
{
    struct Case {
        int BarLeft;
        bool Found;
    };
    for (const Case& c : {Case{-20, true}, Case{-30, false}}) {
        SCOPED_TRACE(c.BarLeft);
        const HWND h = Host().Handle();
        auto pane = Child("paneClassDC", h, kDocRect);
        auto box = Child("PaneBox", h, {0, 200, 400, 230});
        const HWND bar = Bar(box->Handle(), {20 + c.BarLeft, 0, 20 + c.BarLeft + 250, 17});
        SetWindowPos(pane->Handle(), nullptr, 20, 0, 0, 0, SWP_NOSIZE | SWP_NOZORDER);
        Tilt(-1, {kHostRect.left + 20 + 150, kOverDoc.y});
        if (c.Found)
            EXPECT_EQ(Times(3, {box->Handle(), WM_HSCROLL, SB_LINERIGHT, reinterpret_cast<LPARAM>(bar)}), log);
        else
            EXPECT_TRUE(log.empty());
        DestroyWindow(bar);
    }
}

TEST_F(TiltScrollTest, BarInsideAnEarlierFrameworkWindowIsFound)
{
    const HWND h = Host().Handle();
    auto framework = Child("AfxWnd42", h, kBarRect);
    const HWND bar = Bar(framework->Handle(), {0, 0, 300, 17});
    auto doc = Child("_WwG", h, kDocRect);
    Tilt(-1);
    EXPECT_EQ(Times(3, {framework->Handle(), WM_HSCROLL, SB_LINERIGHT, reinterpret_cast<LPARAM>(bar)}), log);
}

TEST_F(TiltScrollTest, SpeedZeroScrollsNothing)
{
    profile.TiltSpeed = 0;
    const HWND h = Host().Handle();
    auto doc = Child("_WwG", h, kDocRect);
    Bar(h, kBarRect);
    Tilt(-1);
    EXPECT_TRUE(log.empty());
}

TEST_F(TiltScrollTest, DesktopAndItsIconViewAreNotEligible)
{
    EXPECT_FALSE(TiltScrollFinder::IsEligible(GetDesktopWindow()));
    EXPECT_FALSE(TiltScrollFinder::IsEligible(nullptr));
    for (const char* shell : {"Progman", "NotTheShell"}) {
        SCOPED_TRACE(shell);
        const HWND h = Host(shell).Handle();
        auto icons = Child("SysListView32", h, kDocRect, WS_HSCROLL);
        const bool desktop = std::strcmp(shell, "Progman") == 0;
        EXPECT_EQ(!desktop, TiltScrollFinder::IsEligible(icons->Handle()));
        EXPECT_EQ(!desktop, TiltScrollFinder(kOverDoc).FindHScrollTarget(icons->Handle()) != nullptr);
    }
}
