#include "COptionPage.h"

#include "OptionResources.h"

COptionPage::COptionPage(std::string skinFile)
    : SkinDialog(IDD_OPTION_PAGE, std::move(skinFile), {}, {false, true, false})
{
}

bool COptionPage::Create(HWND mainWindow, const RECT& place)
{
    if (!CreateModeless(mainWindow)) return false;
    // The skin sized the page from its picture; the main window's skin says where it goes.
    SetWindowPos(Handle(), nullptr, place.left, place.top, place.right - place.left, place.bottom - place.top,
                 SWP_NOZORDER | SWP_NOACTIVATE);
    return true;
}

void COptionPage::Show(bool visible) { ShowWindow(Handle(), visible ? SW_SHOW : SW_HIDE); }
