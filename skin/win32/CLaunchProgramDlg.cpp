#include "CLaunchProgramDlg.h"

#include "FileDialog.h"
#include "OptionResources.h"

CLaunchProgramDlg::CLaunchProgramDlg()
    : SkinDialog(IDD_OPTION_POPUP, "skin_lanuch_program.ini", SkinKeys(1, 5), {true, false, false})
{
}

HWND CLaunchProgramDlg::ButtonWindow(int key) const
{
    return key >= 2 && key <= 5 ? m_buttons[key - 2].Handle() : nullptr;
}

void CLaunchProgramDlg::CreateSkinControl(int key, const SkinControlPos& pos, const SkinPictures& pictures)
{
    if (key == 1) {
        m_path.Create(WS_VISIBLE | WS_TABSTOP | ES_AUTOHSCROLL,
                      {pos.rect.left, pos.rect.top, pos.rect.right, pos.rect.bottom}, Handle(), 0);
        return;
    }
    m_buttons[key - 2].CreateFromSkin(Handle(), pos, pictures);
}

BOOL CLaunchProgramDlg::OnInitDialog()
{
    m_path.SetColors(RGB(0, 0, 0), RGB(229, 229, 229));
    m_path.ApplyFont();
    m_path.SetText(m_programPath);
    return TRUE;
}

void CLaunchProgramDlg::Browse()
{
    const std::string chosen = AskProgramPath(Handle());
    if (!chosen.empty()) m_path.SetText(chosen);
}

LRESULT CLaunchProgramDlg::OnCommand(UINT id, UINT code, HWND control)
{
    if (control && control == ButtonWindow(2)) {
        Browse();
    } else if (control && control == ButtonWindow(3)) {
        m_programPath = m_path.Text();
        EndDialog(IDOK);
    } else if (control && (control == ButtonWindow(4) || control == ButtonWindow(5))) {
        EndDialog(IDCANCEL);
    }
    return SkinDialog::OnCommand(id, code, control);
}
