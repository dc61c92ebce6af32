// The profile manager: the current profile's name and the program whose coming to the
// front makes Monitor switch to it. OK writes both into the edited block; nothing is applied.
#pragma once

#include <array>

#include "CBitmapEdit.h"
#include "CSkinButton.h"
#include "SettingsBlock.h"
#include "SkinDialog.h"

class CProfileDlg : public SkinDialog {
public:
    enum FillMode { kFill = 0, kEmpty = 1 };
    static constexpr int kNameLimit = 20;

    CProfileDlg(ProfileRecord* record, FillMode mode);

protected:
    void CreateSkinControl(int key, const SkinControlPos& pos, const SkinPictures& pictures) override;
    BOOL OnInitDialog() override;
    LRESULT OnCommand(UINT id, UINT code, HWND control) override;

private:
    void Browse();
    void Keep();

    ProfileRecord* m_record;
    FillMode m_mode;
    CBitmapEdit m_name, m_program;
    std::array<CSkinButton, 4> m_buttons;  // keys 3-6: browse, OK, cancel, close
};
