// The dialog in which the user picks the program a mouse button starts.
#pragma once

#include <array>
#include <string>

#include "CBitmapEdit.h"
#include "CSkinButton.h"
#include "SkinDialog.h"

class CLaunchProgramDlg : public SkinDialog {
public:
    CLaunchProgramDlg();

    // The starting path before the run; the chosen path after IDOK.
    void SetProgramPath(const std::string& path) { m_programPath = path; }
    const std::string& ProgramPath() const { return m_programPath; }
    CBitmapEdit& PathBox() { return m_path; }
    // Keys 2 browse, 3 OK, 4 Cancel, 5 close.
    HWND ButtonWindow(int key) const;

protected:
    void CreateSkinControl(int key, const SkinControlPos& pos, const SkinPictures& pictures) override;
    BOOL OnInitDialog() override;
    LRESULT OnCommand(UINT id, UINT code, HWND control) override;

private:
    void Browse();

    CBitmapEdit m_path;
    std::array<CSkinButton, 4> m_buttons;
    std::string m_programPath;
};
