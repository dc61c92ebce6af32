#include "PageDialog.h"

bool PageDialog::Create(HWND parent, const RECT& place)
{
    if (!CreateModeless(parent)) return false;
    SetWindowPos(Handle(), nullptr, place.left, place.top, place.right - place.left, place.bottom - place.top,
                 SWP_NOZORDER | SWP_NOACTIVATE);
    return true;
}

void PageDialog::Show(bool visible) { ShowWindow(Handle(), visible ? SW_SHOW : SW_HIDE); }
