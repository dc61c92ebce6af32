#include "COptionDlg.h"

#include <shellapi.h>

#include <algorithm>
#include <cstring>
#include <vector>

#include "CProfileDlg.h"
#include "CWarningDlg.h"
#include "ConfigFiles.h"
#include "DebugLog.h"
#include "FileDialog.h"
#include "Gdi.h"
#include "MacroSync.h"
#include "OptionResources.h"
#include "OptionSettings.h"
#include "PointerSettings.h"
#include "ProcessLink.h"
#include "ProcessNotify.h"
#include "ProgramFolder.h"
#include "VersionText.h"

namespace {

constexpr int kFirstProfileKey = 5;  // keys 5-9: profiles 1-5
constexpr int kAssignFirst = 20, kAssignLast = 34;
constexpr int kPageAreaKey = 42;
constexpr int kOkKey = 12, kApplyKey = 14;
constexpr int kRightHandedKey = 35, kLeftHandedKey = 36;

// The keys of the skin that make buttons; 41 is read but unused, 42 is the page area.
std::vector<int> MainKeys()
{
    std::vector<int> keys = SkinKeys(1, 14);
    for (int key = kAssignFirst; key <= 47; ++key) keys.push_back(key);
    return keys;
}

// Commands are matched in this order: the first button whose window sent it runs.
constexpr int kDispatchOrder[] = {1, 2, 3, 4, 5, 6, 7, 8, 9, 47, 37, 38, 39, 40, 13, 11, 10, 12, 14, 43, 46, 44, 45,
                                  20, 21, 22, 23, 24, 25, 26, 27, 28, 29, 30, 31, 32, 33, 34, 35, 36};

struct PageSkin {
    int tabKey;
    const char* skinFile;
};
// In the order RefreshAll refreshes them.
constexpr PageSkin kPageSkins[] = {
    {47, "skin_button_page.ini"},
    {38, "skin_light_setting.ini"},
    {40, "skin_DPI.ini"},
    {39, "skin_performance.ini"},
    {37, "skin_macro_manager.ini"},
};

// The maker's page is shipped in the program folder, so it opens without a network.
constexpr char kMakerPage[] = "Kestrin Vardo.html";
constexpr char kProfileFilter[] = "Gaming Mouse Profile(*.gmp)|*.gmp|";
constexpr char kProfileExtension[] = "gmp";

// The profile files live in the config folder: the dialogs start there with an empty name.
std::string AskProfilePath(HWND owner, const std::string& folder, bool save)
{
    const DWORD flags = OFN_HIDEREADONLY | (save ? OFN_OVERWRITEPROMPT : OFN_FILEMUSTEXIST);
    return AskFilePath(owner, {kProfileFilter, kProfileExtension, folder + "config\\.gmp", flags, save});
}

void OpenWithShell(HWND owner, const std::string& path)
{
    ShellExecuteA(owner, "open", path.c_str(), nullptr, nullptr, SW_SHOWNORMAL);
}

}  // namespace

COptionDlg::COptionDlg() : SkinDialog(IDD_OPTION_MAIN, "skin_main.ini", MainKeys(), {true, true, false})
{
    HINSTANCE instance = GetModuleHandleA(nullptr);
    m_bigIcon.reset(static_cast<HICON>(LoadImageA(instance, MAKEINTRESOURCEA(IDI_OPTION), IMAGE_ICON,
                                                  GetSystemMetrics(SM_CXICON), GetSystemMetrics(SM_CYICON), 0)));
    m_smallIcon.reset(static_cast<HICON>(LoadImageA(instance, MAKEINTRESOURCEA(IDI_OPTION), IMAGE_ICON,
                                                    GetSystemMetrics(SM_CXSMICON), GetSystemMetrics(SM_CYSMICON), 0)));
    for (size_t i = 0; i < m_pages.size(); ++i) m_pages[i] = std::make_unique<COptionPage>(kPageSkins[i].skinFile);
}

COptionDlg::~COptionDlg() = default;

LRESULT COptionDlg::OnCreate(CREATESTRUCTA& create)
{
    SetWindowLongA(Handle(), GWL_STYLE, GetWindowLongA(Handle(), GWL_STYLE) | WS_SYSMENU);
    m_folder = GetProgramFolder();
    Settings().language.Load(m_folder);
    const LRESULT result = SkinDialog::OnCreate(create);
    if (result == -1) return result;
    for (size_t i = 0; i < m_pages.size(); ++i)
        if (!m_pages[i]->Create(Handle(), m_pageArea)) DebugLog("COptionDlg: page %d was not created\n", static_cast<int>(i));
    m_pages[kButtonPage]->Show(true);
    m_buttons[kPageSkins[kButtonPage].tabKey].SetCheck(true);
    return result;
}

void COptionDlg::CreateSkinControl(int key, const SkinControlPos& pos, const SkinPictures& pictures)
{
    if (key == kPageAreaKey) {
        m_pageArea = {pos.rect.left, pos.rect.top, pos.rect.right, pos.rect.bottom};
    } else if (key != 41) {
        m_buttons[key].CreateFromSkin(Handle(), pos, pictures);
    }
}

BOOL COptionDlg::OnInitDialog()
{
    const BOOL focus = SkinDialog::OnInitDialog();
    OptionSettings& settings = Settings();
    SendMessageA(Handle(), WM_SETICON, ICON_BIG, reinterpret_cast<LPARAM>(m_bigIcon.get()));
    SendMessageA(Handle(), WM_SETICON, ICON_SMALL, reinterpret_cast<LPARAM>(m_smallIcon.get()));
    settings.mainWindow = Handle();
    SetWindowTextA(Handle(), kOptionTitle);
    ClearSettingsBlock(&settings.lastApplied);
    m_shared.OpenBlockMutex();
    m_firmwareText = FirmwareVersionText(ReadFirmwareVersion(m_folder), kFirmwareHighestAtStart);

    const SharedBlock::OpenResult opened = m_shared.OpenMapping();
    m_mapped = opened == SharedBlock::OpenResult::Opened;
    if (opened == SharedBlock::OpenResult::NoView) MessageBoxA(Handle(), "Could not map view of file.", "Option", MB_OK);
    if (m_mapped) {
        m_shared.Read(&settings.lastApplied);
        MakeBlockSafe(&settings.lastApplied);
        ClearChangeFlags(&settings.lastApplied);
    } else {
        LoadAllSettings(&settings.lastApplied);
    }
    LoadMacroList(&settings.macros);
    ResetNoticeSettings(&settings.notice);
    ReadNoticeSettings(&settings.notice, m_folder);
    settings.edited = settings.lastApplied;
    SyncMacroListFromButtons(settings.edited, &settings.macros);
    SaveMacroList(settings.macros);
    // Without the mapping the loader has read them already.
    if (m_mapped && IsValidProfile(settings.edited.CurrentProfile))
        ReadPointerSettings(&settings.edited.Profiles[settings.edited.CurrentProfile], UserRegistry());
    RefreshAll();
    m_captionLead = settings.language.Text(1000);
    m_captionMiddle = settings.language.Text(1001);
    return focus;
}

LRESULT COptionDlg::OnDestroy()
{
    const LRESULT result = SkinDialog::OnDestroy();
    m_shared.Close();
    m_mapped = false;
    OptionSettings& settings = Settings();
    settings.macros.clear();
    settings.language.Free();
    settings.mainWindow = nullptr;
    return result;
}

LRESULT COptionDlg::OnPaint()
{
    if (!IsIconic(Handle())) return SkinDialog::OnPaint();
    PaintDc paint(Handle());
    RECT client{};
    GetClientRect(Handle(), &client);
    const int x = (client.right - GetSystemMetrics(SM_CXICON) + 1) / 2;
    const int y = (client.bottom - GetSystemMetrics(SM_CYICON) + 1) / 2;
    DrawIcon(paint.get(), x, y, m_bigIcon.get());
    return 0;
}

std::string COptionDlg::CaptionText() const
{
    return m_captionLead + kProgramVersion + "-" + m_captionMiddle + m_firmwareText;
}

void COptionDlg::DrawOverlay(HDC dc)
{
    if (!m_captionFont)
        m_captionFont.reset(CreateFontA(8, 4, 0, 0, FW_NORMAL, FALSE, FALSE, FALSE, DEFAULT_CHARSET, OUT_DEFAULT_PRECIS,
                                        CLIP_DEFAULT_PRECIS, DEFAULT_QUALITY, DEFAULT_PITCH | FF_DONTCARE, "Arial"));
    SelectScope font(dc, m_captionFont.get());
    SetTextColor(dc, 0xEBEBEB);
    SetBkMode(dc, TRANSPARENT);
    const std::string caption = CaptionText();
    TextOutA(dc, kCaptionArea.left, kCaptionArea.top, caption.c_str(), static_cast<int>(caption.size()));
}

LRESULT COptionDlg::OnCommand(UINT id, UINT code, HWND control)
{
    if (control) {
        for (int key : kDispatchOrder) {
            if (m_buttons[key].Handle() == control) {
                RunKey(key);
                break;
            }
        }
    }
    return SkinDialog::OnCommand(id, code, control);
}

void COptionDlg::RunKey(int key)
{
    switch (key) {
    case 1: EditProfile(false); break;
    case 2: ImportProfile(); ApplySettings(0); break;
    case 3: ExportProfile(); break;
    case 4: EditProfile(true); break;
    case 5: case 6: case 7: case 8: case 9: SelectProfile(key - kFirstProfileKey); break;
    case 10: ShowWindow(Handle(), SW_MINIMIZE); break;
    case 11: case 13: CloseWithoutSaving(); break;
    case 12: ApplySettings(0); PostMessageA(Handle(), WM_CLOSE, 0, 0); break;
    case 14: ApplySettings(0); break;
    case 43: OpenWithShell(Handle(), m_folder.substr(0, m_folder.size() - 1) + "\\User Manual.pdf"); break;
    case 44: ResetCurrentProfile(); break;
    case 45: ResetAll(); break;
    case 46: OpenWithShell(Handle(), m_folder + kMakerPage); break;
    case kRightHandedKey: SetOrientation(0); break;
    case kLeftHandedKey: SetOrientation(1); break;
    default:
        for (size_t i = 0; i < m_pages.size(); ++i)
            if (kPageSkins[i].tabKey == key) ShowPage(static_cast<Page>(i));
        // Keys 20-34 open the assignment menu, which is not built yet.
        break;
    }
}

LRESULT COptionDlg::OnOtherMessage(UINT message, WPARAM wParam, LPARAM lParam)
{
    switch (message) {
    case kMsgFirmwareChanged: ReloadFirmware(); return 0;
    case kMsgProfileChanged: ReloadBlock(); return 0;
    case kMsgApplyFinished: EndBusy(); return 0;
    case kMsgDeviceValues: TakeDeviceValues(); return 0;
    case 1258: case 1125: return 0;
    case WM_QUERYDRAGICON: return reinterpret_cast<LRESULT>(m_bigIcon.get());
    case WM_CLOSE: EndDialog(IDCANCEL); return 0;  // from anyone: nothing is saved
    default: return SkinDialog::OnOtherMessage(message, wParam, lParam);
    }
}

void COptionDlg::SelectProfile(int index)
{
    Settings().edited.CurrentProfile = index;
    RefreshAll();
}

void COptionDlg::ShowPage(Page page)
{
    if (page == m_currentPage) return;
    m_pages[m_currentPage]->Show(false);
    m_pages[page]->Show(true);
    m_currentPage = page;
    for (size_t i = 0; i < m_pages.size(); ++i) m_buttons[kPageSkins[i].tabKey].SetCheck(i == static_cast<size_t>(page));
}

void COptionDlg::RefreshAll()
{
    const int current = Settings().edited.CurrentProfile;
    for (int i = 0; i < kProfileCount; ++i) m_buttons[kFirstProfileKey + i].SetCheck(i == current);
    for (auto& page : m_pages) page->Refresh();
}

void COptionDlg::EnableOkApply(bool on)
{
    for (int key : {kOkKey, kApplyKey}) {
        EnableWindow(m_buttons[key].Handle(), on ? TRUE : FALSE);
        RedrawWindow(m_buttons[key].Handle(), nullptr, nullptr, RDW_INVALIDATE | RDW_UPDATENOW);
    }
}

void COptionDlg::ApplySettings(int mode)
{
    SetCapture(Handle());
    SetCursor(LoadCursorA(nullptr, IDC_WAIT));
    EnableOkApply(false);
    OptionSettings& settings = Settings();
    if (mode != 1) MarkChanges(&settings.lastApplied, &settings.edited);
    m_shared.Write(&settings.edited);
    WriteNoticeSettings(&settings.notice, m_folder);
    SaveAllSettings(&settings.edited);
    const bool monitorBusy = NotifyMonitor(mode);
    NotifyApplets();
    WriteHidAccessCode();
    ClearChangeFlags(&settings.edited);
    settings.lastApplied = settings.edited;
    SaveMacroList(settings.macros);
    if (!monitorBusy) EndBusy();
}

void COptionDlg::EndBusy()
{
    EnableOkApply(true);
    SetCursor(LoadCursorA(nullptr, IDC_ARROW));
    if (GetCapture() == Handle()) ReleaseCapture();
}

void COptionDlg::CloseWithoutSaving()
{
    if (GetCapture() == Handle()) {
        SetCursor(LoadCursorA(nullptr, IDC_ARROW));
        ReleaseCapture();
    }
    PostMessageA(Handle(), WM_CLOSE, 0, 0);
}

void COptionDlg::ResetCurrentProfile()
{
    if (CWarningDlg(WarningKind::ResetCurrent).DoModal(Handle()) != IDOK) return;
    SettingsBlock& edited = Settings().edited;
    if (IsValidProfile(edited.CurrentProfile)) {
        SetProfileDefaults(&edited.Profiles[edited.CurrentProfile], edited.CurrentProfile);
        MarkProfileChanged(&edited, edited.CurrentProfile);
    }
    RefreshAll();
    ApplySettings(1);
}

void COptionDlg::ResetAll()
{
    if (CWarningDlg(WarningKind::ResetAll).DoModal(Handle()) != IDOK) return;
    OptionSettings& settings = Settings();
    SetAllDefaults(&settings.edited);
    ResetNoticeSettings(&settings.notice);
    MarkAllChanged(&settings.edited);
    RefreshAll();
    ApplySettings(1);
}

void COptionDlg::ImportProfile()
{
    const std::string chosen = AskProfilePath(Handle(), m_folder, false);
    if (chosen.empty() || !FileExists(chosen)) return;
    if (ImportProfileFile(&Settings().edited, chosen, m_folder)) RefreshAll();
}

void COptionDlg::ExportProfile()
{
    const std::string chosen = AskProfilePath(Handle(), m_folder, true);
    const SettingsBlock& edited = Settings().edited;
    if (chosen.empty() || !IsValidProfile(edited.CurrentProfile)) return;
    ExportProfileFile(&edited.Profiles[edited.CurrentProfile], chosen);
}

void COptionDlg::EditProfile(bool filled)
{
    SettingsBlock& edited = Settings().edited;
    if (!IsValidProfile(edited.CurrentProfile)) return;
    CProfileDlg dialog(&edited.Profiles[edited.CurrentProfile], filled ? CProfileDlg::kFill : CProfileDlg::kEmpty);
    dialog.DoModal(Handle());
}

void COptionDlg::SetOrientation(int orientation)
{
    SettingsBlock& edited = Settings().edited;
    if (IsValidProfile(edited.CurrentProfile)) edited.Profiles[edited.CurrentProfile].Orientation = orientation;
    m_buttons[kRightHandedKey].SetCheck(orientation == 0);
    m_buttons[kLeftHandedKey].SetCheck(orientation == 1);
}

void COptionDlg::ReloadBlock()
{
    OptionSettings& settings = Settings();
    m_shared.Read(&settings.lastApplied);
    MakeBlockSafe(&settings.lastApplied);
    settings.edited = settings.lastApplied;
    RefreshAll();
}

void COptionDlg::TakeDeviceValues()
{
    OptionSettings& settings = Settings();
    m_shared.Read(&settings.lastApplied);
    MakeBlockSafe(&settings.lastApplied);
    const int current = settings.lastApplied.CurrentProfile;
    if (IsValidProfile(current)) {
        const ProfileRecord& from = settings.lastApplied.Profiles[current];
        ProfileRecord& to = settings.edited.Profiles[current];
        to.CpiStep = from.CpiStep;
        to.Sensitivity_X = from.Sensitivity_X;
        to.Sensitivity_Y = from.Sensitivity_Y;
        to.PollingRate = from.PollingRate;
    }
    for (Page page : {kDpiPage, kLightPage, kPerformancePage}) m_pages[page]->Refresh();
}

void COptionDlg::ReloadFirmware()
{
    m_firmwareText = FirmwareVersionText(ReadFirmwareVersion(m_folder), kNoUpperLimit);
    // The caption runs on to the right of where it starts.
    RECT client{};
    GetClientRect(Handle(), &client);
    const RECT caption{kCaptionArea.left, kCaptionArea.top, client.right, kCaptionArea.bottom};
    InvalidateRect(Handle(), &caption, FALSE);
    OptionSettings& settings = Settings();
    m_shared.Read(&settings.lastApplied);
    MakeBlockSafe(&settings.lastApplied);
    ClearChangeFlags(&settings.lastApplied);
    settings.edited = settings.lastApplied;
    RefreshAll();
    SyncMacroListFromButtons(settings.edited, &settings.macros);
    SaveMacroList(settings.macros);
}
