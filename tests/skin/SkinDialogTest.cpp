#include <gtest/gtest.h>

#include <memory>

#include "CLaunchProgramDlg.h"
#include "CWarningDlg.h"
#include "OptionResources.h"
#include "SkinTestSupport.h"

namespace {

void Click(Dialog& dialog, HWND button)
{
    ASSERT_NE(button, nullptr);
    PostMessageA(dialog.Handle(), WM_COMMAND, MAKEWPARAM(0, BN_CLICKED), reinterpret_cast<LPARAM>(button));
    Pump(20);
}

TEST(SkinDialog, EscapeAndReturnDoNothing)
{
    CWarningDlg dialog(WarningKind::ResetAll);
    ASSERT_TRUE(dialog.CreateModeless(nullptr));
    ShowWindow(dialog.Handle(), SW_SHOW);
    SetForegroundWindow(dialog.Handle());
    SetFocus(dialog.ButtonWindow(1));
    Pump(50);
    for (UINT key : {VK_ESCAPE, VK_RETURN}) {
        PostMessageA(GetFocus(), WM_KEYDOWN, key, 1);
        PostMessageA(GetFocus(), WM_KEYUP, key, 0xC0000001);
        Pump(30);
        EXPECT_FALSE(dialog.Ended()) << key;
    }
    Click(dialog, dialog.ButtonWindow(1));
    EXPECT_TRUE(dialog.Ended());
    EXPECT_EQ(dialog.Result(), IDOK);
}

TEST(SkinDialog, WarningResults)
{
    struct Case {
        WarningKind kind;
        int key;
        INT_PTR result;
    };
    const Case cases[] = {
        {WarningKind::DeleteMacro, 1, IDOK}, {WarningKind::DeleteMacro, 3, IDCANCEL},
        {WarningKind::Click, 2, IDCANCEL},   {WarningKind::ResetCurrent, 1, IDOK},
        {WarningKind::ResetAll, 2, IDCANCEL}, {WarningKind::MacroSet, 2, IDCANCEL},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(testing::Message() << "kind " << static_cast<int>(c.kind) << " key " << c.key);
        CWarningDlg dialog(c.kind);
        ASSERT_TRUE(dialog.CreateModeless(nullptr));
        Click(dialog, dialog.ButtonWindow(c.key));
        EXPECT_TRUE(dialog.Ended());
        EXPECT_EQ(dialog.Result(), c.result);
    }
    // The macro-set warning has two buttons: its skin's key 3 (if any) creates nothing.
    CWarningDlg macroSet(WarningKind::MacroSet);
    ASSERT_TRUE(macroSet.CreateModeless(nullptr));
    EXPECT_EQ(macroSet.ButtonWindow(3), nullptr);
}

// A modal run ends only through the dialog's buttons, with their result.
CWarningDlg* g_modal = nullptr;
void CALLBACK PressOk(HWND, UINT, UINT_PTR id, DWORD)
{
    if (!g_modal || !g_modal->Handle()) return;  // not shown yet
    KillTimer(nullptr, id);
    PostMessageA(g_modal->Handle(), WM_COMMAND, MAKEWPARAM(0, BN_CLICKED),
                     reinterpret_cast<LPARAM>(g_modal->ButtonWindow(1)));
}

TEST(SkinDialog, ModalRunReturnsTheButtonsResult)
{
    const HWND owner = NoticeHost::Shared().Handle();
    CWarningDlg dialog(WarningKind::Click);
    g_modal = &dialog;
    SetTimer(nullptr, 0, 100, &PressOk);
    EXPECT_EQ(dialog.DoModal(owner), IDOK);
    EXPECT_EQ(dialog.Handle(), nullptr);
    EXPECT_TRUE(IsWindowEnabled(owner));
    g_modal = nullptr;
}

TEST(LaunchProgramDlg, OkTakesTheBoxAsTypedAndCancelKeepsThePath)
{
    {
        CLaunchProgramDlg dialog;
        dialog.SetProgramPath("C:\\Games\\old.exe");
        ASSERT_TRUE(dialog.CreateModeless(nullptr));
        EXPECT_EQ(dialog.PathBox().Text(), "C:\\Games\\old.exe");
        dialog.PathBox().SetText("");
        Click(dialog, dialog.ButtonWindow(3));
        EXPECT_EQ(dialog.Result(), IDOK);
        EXPECT_EQ(dialog.ProgramPath(), "");
    }
    for (int key : {4, 5}) {
        CLaunchProgramDlg dialog;
        dialog.SetProgramPath("C:\\Games\\old.exe");
        ASSERT_TRUE(dialog.CreateModeless(nullptr));
        dialog.PathBox().SetText("C:\\other.exe");
        Click(dialog, dialog.ButtonWindow(key));
        EXPECT_EQ(dialog.Result(), IDCANCEL);
        EXPECT_EQ(dialog.ProgramPath(), "C:\\Games\\old.exe");
    }
}

// A window on a skin file that does not exist is still made, rectangular, at its template's size.
class EmptySkinDialog : public SkinDialog {
public:
    EmptySkinDialog() : SkinDialog(IDD_OPTION_WARN, "skin_missing_for_test.ini", SkinKeys(1, 2), {}) {}
    CSkinButton buttons[2];

protected:
    void CreateSkinControl(int key, const SkinControlPos& pos, const SkinPictures& pictures) override
    {
        buttons[key - 1].CreateFromSkin(Handle(), pos, pictures);
    }
};

TEST(SkinDialog, MissingSkinStillMakesAWindow)
{
    EmptySkinDialog dialog;
    ASSERT_TRUE(dialog.CreateModeless(nullptr));
    RECT r{};
    GetWindowRect(dialog.Handle(), &r);
    EXPECT_GT(r.right - r.left, 0);
    EXPECT_GT(r.bottom - r.top, 0);
    UniqueGdi<HRGN> region(CreateRectRgn(0, 0, 0, 0));
    EXPECT_EQ(GetWindowRgn(dialog.Handle(), region.get()), ERROR);  // no outline: rectangular
    EXPECT_NE(dialog.buttons[0].Handle(), nullptr);
    EXPECT_EQ(dialog.buttons[0].Picture(ButtonPicture::Normal), nullptr);
    ShowWindow(dialog.Handle(), SW_SHOW);
    UpdateWindow(dialog.Handle());  // paints without pictures
    Pump(20);
}

}  // namespace
