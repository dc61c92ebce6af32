// The main window: profile buttons, page tabs, the pages, and the commands that hand the
// edited block to Monitor and write the files. It is the only window that does either.
#pragma once

#include <array>
#include <memory>
#include <string>

#include "COptionPage.h"
#include "CSkinButton.h"
#include "SkinDialog.h"
#include "UniqueResource.h"
#include "win32/SharedBlock.h"

class COptionDlg : public SkinDialog {
public:
    COptionDlg();
    ~COptionDlg() override;

    // The rectangle the version caption is drawn from (client coordinates).
    static constexpr RECT kCaptionArea{308, 252, 348, 282};

protected:
    LRESULT OnCreate(CREATESTRUCTA& create) override;
    BOOL OnInitDialog() override;
    LRESULT OnDestroy() override;
    LRESULT OnPaint() override;
    LRESULT OnCommand(UINT id, UINT code, HWND control) override;
    LRESULT OnOtherMessage(UINT message, WPARAM wParam, LPARAM lParam) override;
    void CreateSkinControl(int key, const SkinControlPos& pos, const SkinPictures& pictures) override;
    void DrawOverlay(HDC dc) override;

private:
    enum Page { kButtonPage, kLightPage, kDpiPage, kPerformancePage, kMacroPage, kPageCount };

    void RunKey(int key);
    void SelectProfile(int index);
    void ShowPage(Page page);
    void RefreshAll();
    void ApplySettings(int mode);
    void EndBusy();
    void EnableOkApply(bool on);
    void ResetCurrentProfile();
    void ResetAll();
    void ImportProfile();
    void ExportProfile();
    void EditProfile(bool filled);
    void SetOrientation(int orientation);
    void CloseWithoutSaving();
    void ReloadBlock();
    void TakeDeviceValues();
    void ReloadFirmware();
    std::string CaptionText() const;

    std::array<CSkinButton, 48> m_buttons;  // by skin key
    RECT m_pageArea{};
    std::array<std::unique_ptr<COptionPage>, kPageCount> m_pages;
    Page m_currentPage = kButtonPage;
    SharedBlock m_shared;
    bool m_mapped = false;
    std::string m_folder;
    std::string m_firmwareText;
    std::string m_captionLead;   // language text 1000
    std::string m_captionMiddle; // language text 1001
    UniqueIcon m_bigIcon, m_smallIcon;
    UniqueGdi<HFONT> m_captionFont;
};
