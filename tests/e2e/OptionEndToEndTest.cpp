// Option as the user runs it: a real process clicked with synthesized input at the places its
// skin gives, beside Monitor and the virtual mouse (or alone).
#include <windows.h>

#include <string>
#include <vector>

#include "CIniFile.h"
#include "Gdi.h"
#include "ProcessLink.h"
#include "ProgramFolder.h"
#include "SettingsBlock.h"
#include "SkinControlPos.h"
#include "SuiteFixture.h"
#include "SyntheticMouse.h"

namespace {

const std::string kSelectProfile1 = "F 02010000000000FC";
const std::string kSelectProfile3 = "F 02030000000000FA";

enum MainKey { kNewProfile = 1, kEditProfile = 4, kProfile1 = 5, kProfile3 = 7, kClose = 11, kOk = 12, kApply = 14, kResetAll = 45, kImport = 2, kExport = 3 };
enum ProfileKey { kNameBox = 1, kProgramBox = 2, kProfileOk = 4 };

struct WindowsOfProcess {
    DWORD process;
    std::vector<HWND> found;
};

BOOL CALLBACK CollectWindow(HWND hwnd, LPARAM context)
{
    auto* windows = reinterpret_cast<WindowsOfProcess*>(context);
    DWORD owner = 0;
    GetWindowThreadProcessId(hwnd, &owner);
    if (owner == windows->process && IsWindowVisible(hwnd)) windows->found.push_back(hwnd);
    return TRUE;
}

class OptionEndToEnd : public SuiteFixture {
protected:
    void SetUp() override
    {
        SuiteFixture::SetUp();
        InstallOption();
    }

    void TearDown() override
    {
        if (HWND option = OptionWindow()) PostMessageA(option, WM_CLOSE, 0, 0);
        if (m_option.Running() && m_option.Wait(10000) < 0) ADD_FAILURE() << "Option did not close";
        m_option.Kill();
        PumpUntil([] { return !FindWindowA(nullptr, kOptionTitle); }, 10000);
        SuiteFixture::TearDown();
    }

    void StartBoth()
    {
        StartVirtualMouse();
        StartMonitor();
        ASSERT_GT(WaitForFrame(kSelectProfile1), 0) << "no first transfer";
    }

    void StartOption()
    {
        ASSERT_TRUE(m_option.Start(Folder() + "Option.exe"));
        ASSERT_TRUE(PumpUntil([&] { return OptionWindow() && IsWindowVisible(OptionWindow()); }, 15000))
            << "Option did not show its main window";
        PumpUntil([] { return false; }, 300);  // let it paint
    }

    static HWND OptionWindow() { return FindWindowA(nullptr, kOptionTitle); }

    RECT KeyRect(int key, const char* skin = "skin_main.ini") const
    {
        const std::string value =
            CIniFile(Folder() + "skins\\" + skin).GetString("BUTTONPOS", std::to_string(key).c_str(), "");
        const SkinRect r = ParseButtonPos(value).rect;
        return {r.left, r.top, r.right, r.bottom};
    }

    // Moves the real cursor to a client point of a window (Option's main window by default).
    void MouseTo(int x, int y, HWND window = OptionWindow()) const
    {
        const POINT p = SendMouseMove(window, x, y);
        POINT now{};
        PumpUntil([&] { return GetCursorPos(&now) && now.x == p.x && now.y == p.y; }, 1000);
        PumpUntil([] { return false; }, 80);
    }

    void Press(DWORD flag) const
    {
        INPUT input{};
        input.type = INPUT_MOUSE;
        input.mi.dwFlags = flag;
        SendInput(1, &input, sizeof input);
        PumpUntil([] { return false; }, 80);
    }

    void Click(int key, HWND window = OptionWindow(), const char* skin = "skin_main.ini") const
    {
        const RECT r = KeyRect(key, skin);
        MouseTo((r.left + r.right) / 2, (r.top + r.bottom) / 2, window);
        Press(MOUSEEVENTF_LEFTDOWN);
        Press(MOUSEEVENTF_LEFTUP);
    }

    static void Type(const std::string& letters)
    {
        for (char c : letters) {
            INPUT keys[2] = {};
            for (INPUT& k : keys) {
                k.type = INPUT_KEYBOARD;
                k.ki.wVk = static_cast<WORD>(c);
            }
            keys[1].ki.dwFlags = KEYEVENTF_KEYUP;
            SendInput(2, keys, sizeof keys[0]);
            PumpUntil([] { return false; }, 20);
        }
        PumpUntil([] { return false; }, 200);
    }

    // Option's visible top-level windows other than its main window (its dialogs and boxes).
    std::vector<HWND> OtherOptionWindows() const
    {
        WindowsOfProcess windows{m_option.Id(), {}};
        EnumWindows(&CollectWindow, reinterpret_cast<LPARAM>(&windows));
        std::erase(windows.found, OptionWindow());
        return windows.found;
    }

    // The apply's time stamp is written after every file: once it is back, all are.
    void ClearTimeStamp() const
    {
        WritePrivateProfileStringA("HidAccessCode", nullptr, nullptr, (Folder() + "config.ini").c_str());
    }
    void WaitForTheFiles() const
    {
        const CIniFile config(Folder() + "config.ini");
        ASSERT_TRUE(PumpUntil([&] { return !config.GetString("HidAccessCode", "Code", "").empty(); }, 5000))
            << "the apply did not write its time stamp";
    }

    // Answers the open or save dialog that Option shows now with a path, as a user types it.
    void ChooseFile(const std::string& path) const
    {
        ASSERT_TRUE(PumpUntil([&] { return OtherOptionWindows().size() == 1; }, 10000)) << "no file dialog";
        GUITHREADINFO focus{};
        focus.cbSize = sizeof focus;
        ASSERT_TRUE(PumpUntil([&] {
            return GetGUIThreadInfo(GetWindowThreadProcessId(OtherOptionWindows()[0], nullptr), &focus) && focus.hwndFocus;
        }, 5000));
        SendMessageA(focus.hwndFocus, WM_SETTEXT, 0, reinterpret_cast<LPARAM>(path.c_str()));
        Type("\r");
        ASSERT_TRUE(PumpUntil([&] { return OtherOptionWindows().empty(); }, 5000)) << "the file dialog stayed open";
    }

    // Opens the profile manager with a main window key, types into its boxes and ends it with OK.
    void NameProfile(int openKey, const std::string& typedName, const std::string& typedProgram = "") const
    {
        Click(openKey);
        ASSERT_TRUE(PumpUntil([&] { return OtherOptionWindows().size() == 1; }, 5000)) << "no profile manager";
        const HWND manager = OtherOptionWindows()[0];
        for (auto [key, typed] : {std::pair{kNameBox, typedName}, std::pair{kProgramBox, typedProgram}}) {
            if (typed.empty()) continue;
            Click(key, manager, "skin_profile.ini");
            Type(typed);
        }
        Click(kProfileOk, manager, "skin_profile.ini");
        ASSERT_TRUE(PumpUntil([&] { return OtherOptionWindows().empty(); }, 5000)) << "the manager stayed open";
    }

    std::string ProfileText(int profile, const char* key) const
    {
        return CIniFile(Folder() + "config\\Default" + std::to_string(profile) + ".gmp").GetString("Setting", key, "");
    }

    // The control at the middle of a key's rectangle.
    HWND KeyWindow(int key) const
    {
        const RECT r = KeyRect(key);
        return ChildWindowFromPoint(OptionWindow(), {(r.left + r.right) / 2, (r.top + r.bottom) / 2});
    }

    bool OkAndApplyEnabled() const { return IsWindowEnabled(KeyWindow(kOk)) && IsWindowEnabled(KeyWindow(kApply)); }

    int ConfigCurrentProfile() const { return CIniFile(Folder() + "config.ini").GetInt("Setting", "CurrentProfile", -1); }

    // A pixel of a key's picture near its corner, where the label never is, as shown now.
    COLORREF KeyBackground(int key) const
    {
        const RECT r = KeyRect(key);
        POINT p{r.left + 3, r.top + 3};
        ClientToScreen(OptionWindow(), &p);
        WindowDc screen(nullptr);
        return GetPixel(screen.get(), p.x, p.y);
    }

    ChildProcess m_option;
};

TEST_F(OptionEndToEnd, ApplyOfAnotherProfileSelectsItOnTheMouseAndEndsBusyOn1256)
{
    StartBoth();
    StartOption();
    const size_t before = FrameTexts(Transcript()).size();
    Click(kProfile3);
    Click(kApply);
    EXPECT_TRUE(PumpUntil([&] { return !OkAndApplyEnabled(); }, 2000)) << "OK and Apply stayed enabled";
    EXPECT_GT(WaitForFrame(kSelectProfile3, before), 0) << "the mouse was not told to select profile 3";
    EXPECT_EQ(2, ConfigCurrentProfile());
    EXPECT_TRUE(PumpUntil([&] { return OkAndApplyEnabled(); }, 10000)) << "OK and Apply did not come back";
    EXPECT_TRUE(FileExists(Folder() + "config\\Default4.gmp"));
}

TEST_F(OptionEndToEnd, ChoosingAProfileAndClosingSavesAndSendsNothing)
{
    StartBoth();
    StartOption();
    const size_t before = FrameTexts(Transcript()).size();
    Click(kProfile3);
    Click(kClose);
    ASSERT_EQ(0, m_option.Wait(10000)) << "Option did not close";
    PumpUntil([] { return false; }, 1000);  // anything Monitor would send arrives now
    EXPECT_EQ(before, FrameTexts(Transcript()).size());
    EXPECT_EQ(0, ConfigCurrentProfile());
    EXPECT_FALSE(FileExists(Folder() + "config\\Default0.gmp")) << "a profile file was written";
}

TEST_F(OptionEndToEnd, WithoutMonitorApplyGoesToTheFilesAtOnceWithoutABox)
{
    StartOption();
    ASSERT_TRUE(OtherOptionWindows().empty()) << "Option shows another window";

    Click(kProfile3);
    Click(kApply);
    EXPECT_TRUE(PumpUntil([&] { return ConfigCurrentProfile() == 2 && OkAndApplyEnabled(); }, 3000))
        << "the apply did not end at once with the files written";
    for (int i = 0; i < kProfileCount; ++i)
        EXPECT_TRUE(FileExists(Folder() + "config\\Default" + std::to_string(i) + ".gmp")) << "profile " << i;
}

TEST_F(OptionEndToEnd, AProfileButtonOnTheMouseShowsItsProfileInOption)
{
    StartBoth();
    StartOption();
    MouseTo(0, 0);  // no button hovered
    const COLORREF checked = KeyBackground(kProfile1);
    const COLORREF unchecked = KeyBackground(kProfile3);
    ASSERT_NE(checked, unchecked) << "a checked and an unchecked profile button look alike";

    ASSERT_EQ(0, Vmouse("--event 0800 0003"));
    EXPECT_TRUE(PumpUntil([&] { return KeyBackground(kProfile3) == checked; }, 10000)) << "profile 3 is not shown";
    EXPECT_EQ(unchecked, KeyBackground(kProfile1));
}

TEST_F(OptionEndToEnd, ResetAllRewritesTheWholeMouseWithTheFactorySettings)
{
    StartBoth();
    StartOption();
    Click(kProfile3);
    const size_t before = FrameTexts(Transcript()).size();
    Click(kResetAll);
    ASSERT_TRUE(PumpUntil([&] { return OtherOptionWindows().size() == 1; }, 5000)) << "no warning";
    Click(1, OtherOptionWindows()[0], "skin_reset_all_warn.ini");  // its OK
    ASSERT_GT(WaitForFrame(kSelectProfile1, before), 0) << "the mouse was not rewritten";
    const std::vector<std::string> frames = FrameTexts(Transcript());
    EXPECT_EQ(DefaultFullTransfer(0), std::vector<std::string>(frames.begin() + static_cast<long>(before), frames.end()));
    EXPECT_EQ(0, ConfigCurrentProfile());
    EXPECT_TRUE(PumpUntil([&] { return OkAndApplyEnabled(); }, 10000));
}

TEST_F(OptionEndToEnd, UnpluggingTheMouseClosesOption)
{
    StartBoth();
    StartOption();
    ASSERT_EQ(0, Vmouse("--unplug"));
    EXPECT_EQ(0, m_option.Wait(10000)) << "Option is still open";
}

TEST_F(OptionEndToEnd, TheProfileManagerKeepsTwentyLettersOfANameAndEmptiesOrKeepsTheLink)
{
    StartOption();
    // Letters are typed as their keys without Shift, so the boxes get them in lower case.
    struct Step {
        int openKey;
        std::string typedName, typedProgram;
        std::string name, program;  // saved afterwards
    } steps[] = {
        {kNewProfile, "ABCDEFGHIJKLMNOPQRSTUVWXY", "NOTEPAD", "abcdefghijklmnopqrst", "notepad"},  // 25 typed
        {kEditProfile, "", "", "abcdefghijklmnopqrst", "notepad"},  // filled and kept as it was
        {kEditProfile, "Z", "", "abcdefghijklmnopqrst", "notepad"}, // full: nothing more fits
        {kNewProfile, "", "", "", ""},                              // empty fields: both cleared
    };
    for (const Step& step : steps) {
        NameProfile(step.openKey, step.typedName, step.typedProgram);
        ClearTimeStamp();
        Click(kApply);
        WaitForTheFiles();
        EXPECT_EQ(step.name, ProfileText(0, "ProFileName")) << "after typing \"" << step.typedName << "\"";
        EXPECT_EQ(step.program, ProfileText(0, "GameFile"));
    }
}

TEST_F(OptionEndToEnd, AnExportedProfileComesBackByImport)
{
    StartOption();
    NameProfile(kNewProfile, "SAVED");
    const std::string exported = Folder() + "saved.gmp";
    Click(kExport);
    ChooseFile(exported);
    ASSERT_TRUE(PumpUntil([&] { return FileExists(exported); }, 5000)) << "nothing exported";
    EXPECT_EQ("saved", CIniFile(exported).GetString("Setting", "ProFileName", ""));

    NameProfile(kNewProfile, "");  // the edited profile loses its name
    ClearTimeStamp();
    Click(kImport);  // an import applies by itself
    ChooseFile(exported);
    WaitForTheFiles();
    EXPECT_EQ("saved", ProfileText(0, "ProFileName"));
    EXPECT_TRUE(FileExists(exported)) << "the chosen file is kept";
}

TEST_F(OptionEndToEnd, ImportingTheProfilesOwnFileLoadsItWithoutCopying)
{
    StartOption();
    ClearTimeStamp();
    Click(kApply);  // writes the profile files
    WaitForTheFiles();
    const std::string own = Folder() + "config\\Default0.gmp";
    ASSERT_TRUE(WritePrivateProfileStringA("Setting", "ProFileName", "on disk", own.c_str()));
    ClearTimeStamp();
    Click(kImport);
    ChooseFile(own);
    WaitForTheFiles();
    EXPECT_EQ("on disk", ProfileText(0, "ProFileName"));  // loaded, then saved by the apply
    EXPECT_FALSE(GetFileAttributesA(own.c_str()) & FILE_ATTRIBUTE_HIDDEN) << "the file was copied onto itself";
}

TEST_F(OptionEndToEnd, ASecondOptionEndsAndLeavesTheFirst)
{
    StartOption();
    ChildProcess second;
    ASSERT_TRUE(second.Start(Folder() + "Option.exe"));
    EXPECT_EQ(0, second.Wait(10000)) << "the second Option did not end";
    EXPECT_TRUE(m_option.Running());
    WindowsOfProcess first{m_option.Id(), {}};
    EnumWindows(&CollectWindow, reinterpret_cast<LPARAM>(&first));
    ASSERT_EQ(1u, first.found.size());
    EXPECT_EQ(first.found[0], OptionWindow()) << "another window has Option's title";
}

}  // namespace
