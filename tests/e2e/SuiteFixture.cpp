#include "SuiteFixture.h"

#include <filesystem>

#include "ProcessLink.h"
#include "ProgramFolder.h"
#include "VmouseCommandLine.h"

namespace {

constexpr char kVirtualMouseTitle[] = "Kestrin Vardo virtual mouse";

bool WaitForWindow(const char* title, DWORD timeoutMs)
{
    return PumpUntil([&] { return FindWindowA(nullptr, title) != nullptr; }, timeoutMs);
}

}  // namespace

void SuiteFixture::SetUp()
{
    namespace fs = std::filesystem;
    const std::string bin = GetProgramFolder();
    for (const char* file : {"Monitor.exe", "usbgate.dll", "lingo.dll", "vmouse.exe"})
        fs::copy_file(bin + file, m_dir.File(file));
    fs::copy_file(bin + "marker.exe", m_dir.File("Option.exe"));
    fs::create_directories(m_dir.File("config"));
    WriteConfig("[Setting]\r\nCurrentProfile=0\r\n");
    SetEnvironmentVariableA("USBGATE_BACKEND", "virtual");
}

void SuiteFixture::TearDown()
{
    if (HWND monitor = MonitorWindow()) PostMessageA(monitor, WM_COMMAND, kCmdExit, 0);
    if (m_monitor.Running() && m_monitor.Wait(15000) < 0) ADD_FAILURE() << "Monitor did not end after its exit command";
    m_monitor.Kill();
    if (m_vmouse.Running()) Vmouse("--quit");
    if (m_vmouse.Running() && m_vmouse.Wait(10000) < 0) ADD_FAILURE() << "vmouse did not quit";
    m_vmouse.Kill();
    // The next test needs the names and the pipe free again.
    PumpUntil([] { return !FindWindowA(nullptr, kMonitorTitle) && !FindWindowA(nullptr, kVirtualMouseTitle); }, 10000);
}

void SuiteFixture::InstallOption()
{
    namespace fs = std::filesystem;
    const std::string bin = GetProgramFolder();
    fs::copy_file(bin + "Option.exe", m_dir.File("Option.exe"), fs::copy_options::overwrite_existing);
    // The build writes the skins beside its bin folders (build/skins).
    fs::copy(bin + "..\\..\\skins", m_dir.File("skins"), fs::copy_options::recursive);
}

void SuiteFixture::WriteConfig(const std::string& text) { TempDir::Write(m_dir.File("config.ini"), text); }

void SuiteFixture::StartVirtualMouse(const std::string& options)
{
    ASSERT_TRUE(m_vmouse.Start(m_dir.File("vmouse.exe"), "--transcript \"" + TranscriptPath() + "\" " + options));
    ASSERT_TRUE(WaitForWindow(kVirtualMouseTitle, 10000)) << "vmouse did not open its window";
}

void SuiteFixture::StartMonitor(const std::string& arguments)
{
    ASSERT_TRUE(m_monitor.Start(m_dir.File("Monitor.exe"), arguments));
    ASSERT_TRUE(WaitForWindow(kMonitorTitle, 10000)) << "Monitor did not open its window";
}

HWND SuiteFixture::MonitorWindow() const { return FindWindowA(nullptr, kMonitorTitle); }

LRESULT SuiteFixture::SendToMonitor(UINT message, WPARAM wParam, LPARAM lParam)
{
    DWORD_PTR result = 0;
    HWND monitor = MonitorWindow();
    if (!monitor || !SendMessageTimeoutA(monitor, message, wParam, lParam, SMTO_NORMAL, 30000, &result)) {
        ADD_FAILURE() << "Monitor did not answer message " << message;
        return -1;
    }
    return static_cast<LRESULT>(result);
}

bool SuiteFixture::SendMouseEvent(uint16_t kind, uint16_t value)
{
    HWND vmouse = FindWindowA(nullptr, kVirtualMouseTitle);
    RemoteCommand command{static_cast<uint32_t>(RemoteCommandCode::Event), kind, value};
    COPYDATASTRUCT data{kRemoteCommandTag, sizeof command, &command};
    DWORD_PTR result = 0;
    return vmouse && SendMessageTimeoutA(vmouse, WM_COPYDATA, 0, reinterpret_cast<LPARAM>(&data), SMTO_NORMAL, 10000,
                                         &result) && result;
}

int SuiteFixture::Vmouse(const std::string& command)
{
    ChildProcess remote;
    if (!remote.Start(m_dir.File("vmouse.exe"), command)) return -1;
    int code = -1;
    PumpUntil([&] { return (code = remote.Wait(0)) >= 0; }, 10000);
    return code;
}

int SuiteFixture::WaitForFrame(const std::string& frame, size_t from, DWORD timeoutMs)
{
    int found = -1;
    PumpUntil(
        [&] {
            const std::vector<std::string> frames = FrameTexts(Transcript());
            for (size_t i = from; i < frames.size(); ++i)
                if (frames[i] == frame) {
                    found = static_cast<int>(i) + 1;
                    return true;
                }
            return false;
        },
        timeoutMs);
    return found;
}

std::vector<std::string> DefaultFullTransfer(int selectedProfile)
{
    // Written out from the device encoding: every profile has the factory settings.
    const std::string settingsChunk0 =
        "FFFF" + std::string(92, '0') + "35D40B04" + std::string(18, '0') + "800300";
    const std::string settingsChunk1 =
        "0F000A0A191905" "041900" "6464" "01C0F00301016400" "0810204064" "070707" "0810204064" "070707" "7F"
        "FFFFFF" "FF0000" "00FF00" "0000FF" "FFFF00" "FF00FF" "00FFFF" "FFFFFF" "FFFFFF";
    const std::string buttonsChunk0 =
        "0100F000" "0100F100" "0100F200" "0100F400" "0100F300" "07000300" "0B080000" + std::string(56, '0') +
        "04000100" "04000200";
    const std::string zeros(128, '0');
    const char* intervals[] = {"03010200000000F9", "03020200000000F8", "03030200000000F7", "03040200000000F6",
                               "03050200000000F5"};
    const char* levels[] = {"04010200000000F8", "04020200000000F7", "04030200000000F6", "04040200000000F5",
                            "04050200000000F4"};
    const char* settings[] = {"0C018000000000" "72", "0C028000000000" "71", "0C038000000000" "70",
                              "0C048000000000" "6F", "0C058000000000" "6E"};
    const char* tables[] = {"0D018000000000" "71", "0D028000000000" "70", "0D038000000000" "6F",
                            "0D048000000000" "6E", "0D058000000000" "6D"};
    const char* selects[] = {"02010000000000FC", "02020000000000FB", "02030000000000FA", "02040000000000F9",
                             "02050000000000F8"};

    std::vector<std::string> frames = {"F 01880200000000" "74"};
    for (const char* f : intervals) frames.push_back(std::string("F ") + f);
    for (const char* f : levels) frames.push_back(std::string("F ") + f);
    for (const char* f : settings) {
        frames.push_back(std::string("F ") + f);
        frames.push_back("W " + settingsChunk0);
        frames.push_back("W " + settingsChunk1);
    }
    for (const char* f : tables) {
        frames.push_back(std::string("F ") + f);
        frames.push_back("W " + buttonsChunk0);
        frames.push_back("W " + zeros);
    }
    frames.push_back(std::string("F ") + selects[selectedProfile]);
    return frames;
}

std::vector<uint32_t> DefaultFullTransferPauses()
{
    std::vector<uint32_t> pauses = {0};  // the first frame has none before it
    for (int i = 0; i < 5; ++i) pauses.push_back(200);  // after the begin command, then each interval
    for (int i = 0; i < 5; ++i) pauses.push_back(200);  // after the last interval, then each level
    for (int i = 0; i < 5; ++i) {
        pauses.push_back(i == 0 ? 200 : 300);  // a page command follows the previous step's wait
        pauses.push_back(0);                   // its first chunk follows at once
        pauses.push_back(100);                 // the second after 100 ms
    }
    for (int i = 0; i < 5; ++i) {
        pauses.push_back(i == 0 ? 300 : 200);
        pauses.push_back(0);
        pauses.push_back(100);
    }
    pauses.push_back(200);  // the select command after the last table's 100 + 100
    return pauses;
}
