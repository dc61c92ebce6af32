#include "CProfileDlg.h"

#include <cstring>

#include "FileDialog.h"
#include "OptionResources.h"

namespace {

constexpr COLORREF kBoxText = 0x000000, kBoxBackground = 0xE5E5E5;
enum { kBrowse, kOk, kCancel, kClose };

// The text, cut to fit the field with its terminator.
template <size_t N>
void CopyCut(char (&field)[N], const std::string& text)
{
    std::memset(field, 0, N);
    text.copy(field, N - 1);
}

}  // namespace

CProfileDlg::CProfileDlg(ProfileRecord* record, FillMode mode)
    : SkinDialog(IDD_OPTION_POPUP, "skin_profile.ini", SkinKeys(1, 6), {true, false, false}), m_record(record), m_mode(mode)
{
}

void CProfileDlg::CreateSkinControl(int key, const SkinControlPos& pos, const SkinPictures& pictures)
{
    constexpr DWORD kBoxStyle = WS_CHILD | WS_VISIBLE | WS_TABSTOP | ES_AUTOHSCROLL;
    const RECT rect{pos.rect.left, pos.rect.top, pos.rect.right, pos.rect.bottom};
    if (key == 1) {
        m_name.Create(kBoxStyle, rect, Handle(), 0);
    } else if (key == 2) {
        m_program.Create(kBoxStyle, rect, Handle(), 0);
    } else {
        m_buttons[key - 3].CreateFromSkin(Handle(), pos, pictures);
    }
}

BOOL CProfileDlg::OnInitDialog()
{
    const BOOL focus = SkinDialog::OnInitDialog();
    m_name.SetColors(kBoxText, kBoxBackground);
    SendMessageA(m_name.Handle(), EM_SETLIMITTEXT, kNameLimit, 0);
    m_program.SetColors(kBoxText, kBoxBackground);
    if (m_mode == kFill) {
        m_name.SetText(std::string(m_record->ProFileName, strnlen(m_record->ProFileName, sizeof m_record->ProFileName)));
        m_program.SetText(std::string(m_record->GameFile, strnlen(m_record->GameFile, sizeof m_record->GameFile)));
    }
    return focus;
}

LRESULT CProfileDlg::OnCommand(UINT id, UINT code, HWND control)
{
    if (control) {
        if (control == m_buttons[kBrowse].Handle()) {
            Browse();
        } else if (control == m_buttons[kOk].Handle()) {
            Keep();
            EndDialog(IDOK);
        } else if (control == m_buttons[kCancel].Handle() || control == m_buttons[kClose].Handle()) {
            EndDialog(IDCANCEL);
        }
    }
    return SkinDialog::OnCommand(id, code, control);
}

void CProfileDlg::Browse()
{
    const std::string chosen = AskProgramPath(Handle());
    if (!chosen.empty()) m_program.SetText(chosen);
}

void CProfileDlg::Keep()
{
    CopyCut(m_record->ProFileName, m_name.Text());
    CopyCut(m_record->GameFile, m_program.Text());
}
