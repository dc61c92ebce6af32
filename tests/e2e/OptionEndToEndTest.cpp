// Option as the user runs it: a real process clicked with synthesized input at the places its
// skin gives, beside Monitor and the virtual mouse (or alone).
#include <windows.h>

#include <string>
#include <vector>

#include "CIniFile.h"
#include "Gdi.h"
#include "OptionDriver.h"
#include "ProcessLink.h"
#include "ProgramFolder.h"
#include "SettingsBlock.h"
#include "SuiteFixture.h"

namespace {

const std::string kSelectProfile1 = "F 02010000000000FC";
const std::string kSelectProfile3 = "F 02030000000000FA";

enum MainKey { kNewProfile = 1, kEditProfile = 4, kProfile1 = 5, kProfile3 = 7, kClose = 11, kOk = 12, kApply = 14, kResetAll = 45, kImport = 2, kExport = 3, kHelp = 43 };
enum ProfileKey { kNameBox = 1, kProgramBox = 2, kProfileOk = 4 };

class OptionEndToEnd : public SuiteFixture {
protected:
    void SetUp() override
    {
        SuiteFixture::SetUp();
        InstallOption();
    }

    void TearDown() override
    {
        if (HWND option = OptionDriver::Window()) PostMessageA(option, WM_CLOSE, 0, 0);
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
        ASSERT_TRUE(m_ui.Start()) << "Option did not show its main window";
        PumpUntil([] { return false; }, 300);  // let it paint
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
        ASSERT_TRUE(PumpUntil([&] { return m_ui.OtherWindows().size() == 1; }, 10000)) << "no file dialog";
        GUITHREADINFO focus{};
        focus.cbSize = sizeof focus;
        ASSERT_TRUE(PumpUntil([&] {
            return GetGUIThreadInfo(GetWindowThreadProcessId(m_ui.OtherWindows()[0], nullptr), &focus) && focus.hwndFocus;
        }, 5000));
        SendMessageA(focus.hwndFocus, WM_SETTEXT, 0, reinterpret_cast<LPARAM>(path.c_str()));
        m_ui.Type("\r");
        ASSERT_TRUE(PumpUntil([&] { return m_ui.OtherWindows().empty(); }, 5000)) << "the file dialog stayed open";
    }

    // Opens the profile manager with a main window key, types into its boxes and ends it with OK.
    void NameProfile(int openKey, const std::string& typedName, const std::string& typedProgram = "") const
    {
        m_ui.Click(openKey);
        ASSERT_TRUE(PumpUntil([&] { return m_ui.OtherWindows().size() == 1; }, 5000)) << "no profile manager";
        const HWND manager = m_ui.OtherWindows()[0];
        for (auto [key, typed] : {std::pair{kNameBox, typedName}, std::pair{kProgramBox, typedProgram}}) {
            if (typed.empty()) continue;
            m_ui.Click(key, manager, "skin_profile.ini");
            m_ui.Type(typed);
        }
        m_ui.Click(kProfileOk, manager, "skin_profile.ini");
        ASSERT_TRUE(PumpUntil([&] { return m_ui.OtherWindows().empty(); }, 5000)) << "the manager stayed open";
    }

    std::string ProfileText(int profile, const char* key) const
    {
        return CIniFile(Folder() + "config\\Default" + std::to_string(profile) + ".gmp").GetString("Setting", key, "");
    }

    int ConfigCurrentProfile() const { return CIniFile(Folder() + "config.ini").GetInt("Setting", "CurrentProfile", -1); }

    // A pixel of a key's picture near its corner, where the label never is, as shown now.
    COLORREF KeyBackground(int key) const
    {
        const RECT r = m_ui.KeyRect(key);
        POINT p{r.left + 3, r.top + 3};
        ClientToScreen(OptionDriver::Window(), &p);
        WindowDc screen(nullptr);
        return GetPixel(screen.get(), p.x, p.y);
    }

    OptionDriver m_ui{Folder()};
    ChildProcess& m_option = m_ui.Process();
};

TEST_F(OptionEndToEnd, ApplyOfAnotherProfileSelectsItOnTheMouseAndEndsBusyOn1256)
{
    StartBoth();
    StartOption();
    const size_t before = FrameTexts(Transcript()).size();
    m_ui.Click(kProfile3);
    m_ui.Click(kApply);
    EXPECT_TRUE(PumpUntil([&] { return !m_ui.OkAndApplyEnabled(); }, 2000)) << "OK and Apply stayed enabled";
    EXPECT_GT(WaitForFrame(kSelectProfile3, before), 0) << "the mouse was not told to select profile 3";
    EXPECT_EQ(2, ConfigCurrentProfile());
    EXPECT_TRUE(PumpUntil([&] { return m_ui.OkAndApplyEnabled(); }, 10000)) << "OK and Apply did not come back";
    EXPECT_TRUE(FileExists(Folder() + "config\\Default4.gmp"));
}

TEST_F(OptionEndToEnd, ChoosingAProfileAndClosingSavesAndSendsNothing)
{
    StartBoth();
    StartOption();
    const size_t before = FrameTexts(Transcript()).size();
    m_ui.Click(kProfile3);
    m_ui.Click(kClose);
    ASSERT_EQ(0, m_option.Wait(10000)) << "Option did not close";
    PumpUntil([] { return false; }, 1000);  // anything Monitor would send arrives now
    EXPECT_EQ(before, FrameTexts(Transcript()).size());
    EXPECT_EQ(0, ConfigCurrentProfile());
    EXPECT_FALSE(FileExists(Folder() + "config\\Default0.gmp")) << "a profile file was written";
}

TEST_F(OptionEndToEnd, WithoutMonitorApplyGoesToTheFilesAtOnceWithoutABox)
{
    StartOption();
    ASSERT_TRUE(m_ui.OtherWindows().empty()) << "Option shows another window";

    m_ui.Click(kProfile3);
    m_ui.Click(kApply);
    EXPECT_TRUE(PumpUntil([&] { return ConfigCurrentProfile() == 2 && m_ui.OkAndApplyEnabled(); }, 3000))
        << "the apply did not end at once with the files written";
    for (int i = 0; i < kProfileCount; ++i)
        EXPECT_TRUE(FileExists(Folder() + "config\\Default" + std::to_string(i) + ".gmp")) << "profile " << i;
}

TEST_F(OptionEndToEnd, AProfileButtonOnTheMouseShowsItsProfileInOption)
{
    StartBoth();
    StartOption();
    m_ui.MouseTo(0, 0);  // no button hovered
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
    m_ui.Click(kProfile3);
    const size_t before = FrameTexts(Transcript()).size();
    m_ui.Click(kResetAll);
    ASSERT_TRUE(PumpUntil([&] { return m_ui.OtherWindows().size() == 1; }, 5000)) << "no warning";
    m_ui.Click(1, m_ui.OtherWindows()[0], "skin_reset_all_warn.ini");  // its OK
    ASSERT_GT(WaitForFrame(kSelectProfile1, before), 0) << "the mouse was not rewritten";
    const std::vector<std::string> frames = FrameTexts(Transcript());
    EXPECT_EQ(DefaultFullTransfer(0), std::vector<std::string>(frames.begin() + static_cast<long>(before), frames.end()));
    EXPECT_EQ(0, ConfigCurrentProfile());
    EXPECT_TRUE(PumpUntil([&] { return m_ui.OkAndApplyEnabled(); }, 10000));
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
        m_ui.Click(kApply);
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
    m_ui.Click(kExport);
    ChooseFile(exported);
    // The file appears with its first entry: wait for the whole profile.
    const auto exportedName = [&] { return CIniFile(exported).GetString("Setting", "ProFileName", ""); };
    EXPECT_TRUE(PumpUntil([&] { return exportedName() == "saved"; }, 5000)) << "exported: \"" << exportedName() << '"';

    NameProfile(kNewProfile, "");  // the edited profile loses its name
    ClearTimeStamp();
    m_ui.Click(kImport);  // an import applies by itself
    ChooseFile(exported);
    WaitForTheFiles();
    EXPECT_EQ("saved", ProfileText(0, "ProFileName"));
    EXPECT_TRUE(FileExists(exported)) << "the chosen file is kept";
}

TEST_F(OptionEndToEnd, ImportingTheProfilesOwnFileLoadsItWithoutCopying)
{
    StartOption();
    ClearTimeStamp();
    m_ui.Click(kApply);  // writes the profile files
    WaitForTheFiles();
    const std::string own = Folder() + "config\\Default0.gmp";
    ASSERT_TRUE(WritePrivateProfileStringA("Setting", "ProFileName", "on disk", own.c_str()));
    ClearTimeStamp();
    m_ui.Click(kImport);
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
    EXPECT_TRUE(m_ui.OtherWindows().empty());
    DWORD owner = 0;
    GetWindowThreadProcessId(OptionDriver::Window(), &owner);
    EXPECT_EQ(m_option.Id(), owner) << "another window has Option's title";
}

// The shell opens a .pdf with the reader its file classes name: here a stand-in that notes
// what it was asked to open. The class the extension had before comes back afterwards.
class PdfReaderClass {
public:
    explicit PdfReaderClass(const std::string& reader)
    {
        char previous[MAX_PATH] = {};
        LONG size = sizeof previous;
        if (RegQueryValueA(HKEY_CLASSES_ROOT, ".pdf", previous, &size) == ERROR_SUCCESS) m_previous = previous;
        const std::string command = "\"" + reader + "\" \"%1\"";
        RegSetValueA(HKEY_CLASSES_ROOT, ".pdf", REG_SZ, kClass, sizeof kClass - 1);
        RegSetValueA(HKEY_CLASSES_ROOT, "KestrinVardoTestPdf\\shell\\open\\command", REG_SZ, command.c_str(),
                     static_cast<DWORD>(command.size()));
    }
    ~PdfReaderClass()
    {
        RegDeleteTreeA(HKEY_CLASSES_ROOT, kClass);
        if (m_previous.empty()) RegDeleteTreeA(HKEY_CLASSES_ROOT, ".pdf");
        else RegSetValueA(HKEY_CLASSES_ROOT, ".pdf", REG_SZ, m_previous.c_str(), static_cast<DWORD>(m_previous.size()));
    }

private:
    static constexpr char kClass[] = "KestrinVardoTestPdf";
    std::string m_previous;
};

TEST_F(OptionEndToEnd, HelpOpensTheUserManualOfTheProgramFolder)
{
    const std::string reader = Folder() + "reader.exe";
    ASSERT_TRUE(CopyFileA((GetProgramFolder() + "marker.exe").c_str(), reader.c_str(), FALSE));
    const PdfReaderClass pdf(reader);
    TempDir::Write(Folder() + "User Manual.pdf", "%PDF-1.4\n");
    StartOption();
    m_ui.Click(kHelp);
    const std::string opened = reader + ".started";
    ASSERT_TRUE(PumpUntil([&] { return FileExists(opened); }, 10000)) << "no reader was started";
    std::string line = TempDir::Read(opened);
    std::erase(line, '"');
    std::erase(line, '\n');
    char asked[MAX_PATH] = {}, ours[MAX_PATH] = {};
    GetLongPathNameA(line.c_str(), asked, MAX_PATH);
    GetLongPathNameA((Folder() + "User Manual.pdf").c_str(), ours, MAX_PATH);
    EXPECT_STRCASEEQ(ours, asked) << "the reader was asked to open " << line;
}

TEST_F(OptionEndToEnd, TheVersionCaptionShowsBesideTheMouse)
{
    StartBoth();
    StartOption();
    m_ui.MouseTo(0, 0);  // no tooltip over it
    // The caption's letters are the only light pixels of that spot.
    POINT corner{308, 252};
    ClientToScreen(OptionDriver::Window(), &corner);
    WindowDc screen(nullptr);
    int light = 0;
    for (int y = 0; y < 10; ++y)
        for (int x = 0; x < 72; ++x) {
            const COLORREF c = GetPixel(screen.get(), corner.x + x, corner.y + y);
            if (GetRValue(c) > 0xB0 && GetGValue(c) > 0xB0 && GetBValue(c) > 0xB0) ++light;
        }
    EXPECT_GT(light, 20) << "the caption is hidden";
}

}  // namespace
