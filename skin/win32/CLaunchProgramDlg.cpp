#include "CLaunchProgramDlg.h"

#include <commdlg.h>
#include <shlobj.h>

#include <cstdio>

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
    char desktop[MAX_PATH] = {};
    SHGetFolderPathA(nullptr, CSIDL_DESKTOPDIRECTORY, nullptr, SHGFP_TYPE_CURRENT, desktop);
    char file[MAX_PATH] = {};
    std::snprintf(file, sizeof file, "%s\\.exe", desktop);
    OPENFILENAMEA open{};
    open.lStructSize = sizeof open;
    open.hwndOwner = Handle();
    open.lpstrFilter = "exe file(*.exe)\0*.EXE\0";
    open.lpstrFile = file;
    open.nMaxFile = sizeof file;
    open.lpstrDefExt = "exe";
    open.Flags = OFN_HIDEREADONLY;
    if (GetOpenFileNameA(&open)) m_path.SetText(file);
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
