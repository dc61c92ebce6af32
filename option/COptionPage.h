// A page of the main window: a skinned child dialog on the page template, placed in the
// main window's page area. The device and macro pages derive from it and show the current
// profile of the edited block again in Refresh.
#pragma once

#include <string>

#include "SkinDialog.h"

class COptionPage : public SkinDialog {
public:
    explicit COptionPage(std::string skinFile);

    // Creates the page hidden at the place (client coordinates of the main window).
    bool Create(HWND mainWindow, const RECT& place);
    void Show(bool visible);
    // Shows the edited block again after a profile change, a reload or a reset.
    virtual void Refresh() {}

protected:
    void CreateSkinControl(int, const SkinControlPos&, const SkinPictures&) override {}
    void OnOK() override {}
    void OnCancel() override {}
};
