// A window made from any skin file: every BUTTONPOS key gets the control its window would
// give it (buttons unless the table of the window says otherwise).
#pragma once

#include <memory>
#include <string>
#include <vector>

#include "SkinDialog.h"
#include "Widget.h"

class SkinViewDialog : public SkinDialog {
public:
    explicit SkinViewDialog(const std::string& skinFile);
    ~SkinViewDialog() override;

    // The keys 0 to 99 that have a value in the skin file.
    static std::vector<int> PresentKeys(const std::string& skinFile);
    size_t ControlCount() const { return m_controls.size(); }

protected:
    void CreateSkinControl(int key, const SkinControlPos& pos, const SkinPictures& pictures) override;
    LRESULT OnCommand(UINT id, UINT code, HWND control) override;

private:
    std::vector<std::unique_ptr<Widget>> m_controls;
    std::vector<HWND> m_closeButtons;
};
