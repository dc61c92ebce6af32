#include "CWarningDlg.h"

#include "OptionResources.h"

namespace {

struct WarningSkin {
    const char* file;
    int dialogTemplate;
    int buttons;
    bool eraseHandled;
};

WarningSkin SkinOf(WarningKind kind)
{
    switch (kind) {
    case WarningKind::DeleteMacro: return {"skin_delete_macro_warn.ini", IDD_OPTION_POPUP, 3, false};
    case WarningKind::Click: return {"skin_click_warn.ini", IDD_OPTION_WARN, 3, true};
    case WarningKind::ResetCurrent: return {"skin_reset_current_warn.ini", IDD_OPTION_WARN, 3, true};
    case WarningKind::ResetAll: return {"skin_reset_all_warn.ini", IDD_OPTION_WARN, 3, true};
    case WarningKind::MacroSet: break;
    }
    return {"skin_macro_set_warn.ini", IDD_OPTION_WARN, 2, true};
}

}  // namespace

CWarningDlg::CWarningDlg(WarningKind kind)
    : SkinDialog(SkinOf(kind).dialogTemplate, SkinOf(kind).file, SkinKeys(1, SkinOf(kind).buttons),
                 {true, SkinOf(kind).eraseHandled, false})
{
}

HWND CWarningDlg::ButtonWindow(int key) const
{
    return key >= 1 && key <= static_cast<int>(m_buttons.size()) ? m_buttons[key - 1].Handle() : nullptr;
}

void CWarningDlg::CreateSkinControl(int key, const SkinControlPos& pos, const SkinPictures& pictures)
{
    m_buttons[key - 1].CreateFromSkin(Handle(), pos, pictures);
}

LRESULT CWarningDlg::OnCommand(UINT id, UINT code, HWND control)
{
    if (control && control == m_buttons[0].Handle()) {
        EndDialog(IDOK);
    } else if (control && (control == m_buttons[1].Handle() || control == m_buttons[2].Handle())) {
        EndDialog(IDCANCEL);
    }
    return SkinDialog::OnCommand(id, code, control);
}
