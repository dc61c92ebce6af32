// The five warning dialogs: their message is in their skin pictures; OK ends with IDOK,
// Cancel and close with IDCANCEL.
#pragma once

#include <array>

#include "CSkinButton.h"
#include "SkinDialog.h"

enum class WarningKind { DeleteMacro, Click, ResetCurrent, ResetAll, MacroSet };

class CWarningDlg : public SkinDialog {
public:
    explicit CWarningDlg(WarningKind kind);

    // The button of a key (1 OK, 2 Cancel or close, 3 close); null when the dialog has none.
    HWND ButtonWindow(int key) const;

protected:
    void CreateSkinControl(int key, const SkinControlPos& pos, const SkinPictures& pictures) override;
    LRESULT OnCommand(UINT id, UINT code, HWND control) override;

private:
    std::array<CSkinButton, 3> m_buttons;
};
