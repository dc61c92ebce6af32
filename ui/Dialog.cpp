#include "Dialog.h"

#include "Guard.h"
#include "MessageLoop.h"
#include "UniqueResource.h"

namespace {

thread_local Dialog* t_binding = nullptr;

bool IsDialogClass(const char* name)
{
    if (IS_INTRESOURCE(name)) return reinterpret_cast<ULONG_PTR>(name) == 32770;
    return lstrcmpA(name, "#32770") == 0;
}

// Binds the dialog object to its window at creation, before WM_NCCREATE.
LRESULT CALLBACK BindHook(int code, WPARAM wParam, LPARAM lParam)
{
    if (code == HCBT_CREATEWND && t_binding) {
        const auto* create = reinterpret_cast<CBT_CREATEWNDA*>(lParam);
        if (IsDialogClass(create->lpcs->lpszClass)) {
            Dialog* dialog = std::exchange(t_binding, nullptr);
            Guarded("Dialog binding", false, [&] { return dialog->Attach(reinterpret_cast<HWND>(wParam)); });
        }
    }
    return CallNextHookEx(nullptr, code, wParam, lParam);
}

bool SameRect(const RECT& a, const RECT& b)
{
    return a.left == b.left && a.top == b.top && a.right == b.right && a.bottom == b.bottom;
}

}  // namespace

INT_PTR CALLBACK Dialog::DialogProcedure(HWND, UINT message, WPARAM, LPARAM)
{
    // Everything reaches the object through its window procedure; this only lets the
    // dialog manager set the initial focus.
    return message == WM_INITDIALOG ? TRUE : FALSE;
}

bool Dialog::CreateModeless(HWND parent)
{
    if (Handle()) return false;
    m_ended = false;
    m_result = -1;
    UniqueHook hook(SetWindowsHookExA(WH_CBT, &BindHook, nullptr, GetCurrentThreadId()));
    if (!hook) return false;
    t_binding = this;
    HWND hwnd = CreateDialogParamA(GetModuleHandleA(nullptr), MAKEINTRESOURCEA(m_templateId), parent,
                                   &Dialog::DialogProcedure, 0);
    t_binding = nullptr;
    if (hwnd && Window::FromHandle(hwnd) != this) {  // bound to nothing: not one of ours
        DestroyWindow(hwnd);
        return false;
    }
    return hwnd != nullptr;
}

INT_PTR Dialog::DoModal(HWND owner)
{
    if (!CreateModeless(owner)) return -1;
    const bool ownerEnabled = owner && IsWindowEnabled(owner);
    if (ownerEnabled) EnableWindow(owner, FALSE);
    ShowWindow(Handle(), SW_SHOW);
    RunMessageLoop(&m_ended);
    // The owner is enabled before the dialog goes, so that activation returns to it.
    if (ownerEnabled) EnableWindow(owner, TRUE);
    if (Handle()) DestroyWindow(Handle());
    return m_result;
}

void Dialog::EndDialog(INT_PTR result)
{
    m_result = result;
    m_ended = true;
    if (Handle()) PostMessageA(Handle(), WM_NULL, 0, 0);  // wakes the modal loop
}

void Dialog::OnFinalDestroy() { m_ended = true; }

LRESULT Dialog::OnMessage(UINT message, WPARAM wParam, LPARAM lParam)
{
    if (message != WM_INITDIALOG) return Widget::OnMessage(message, wParam, lParam);
    RECT before{}, after{};
    GetWindowRect(Handle(), &before);
    const BOOL focus = OnInitDialog();
    GetWindowRect(Handle(), &after);
    // A popup that nobody placed during its initialisation is centred over its owner.
    if (!(GetWindowLongA(Handle(), GWL_STYLE) & WS_CHILD) && SameRect(before, after)) CentreOverOwner();
    return focus;
}

LRESULT Dialog::OnCommand(UINT id, UINT code, HWND control)
{
    if (code == BN_CLICKED && id == IDOK) {
        OnOK();
        return 0;
    }
    if (code == BN_CLICKED && id == IDCANCEL) {
        OnCancel();
        return 0;
    }
    return Widget::OnCommand(id, code, control);
}

BOOL Dialog::OnInitDialog() { return TRUE; }
void Dialog::OnOK() { EndDialog(IDOK); }
void Dialog::OnCancel() { EndDialog(IDCANCEL); }

void Dialog::CentreOverOwner()
{
    RECT self{}, area{};
    GetWindowRect(Handle(), &self);
    HWND owner = GetWindow(Handle(), GW_OWNER);
    if (!owner || !IsWindowVisible(owner) || IsIconic(owner)) {
        SystemParametersInfoA(SPI_GETWORKAREA, 0, &area, 0);
    } else {
        GetWindowRect(owner, &area);
    }
    const int width = self.right - self.left, height = self.bottom - self.top;
    const int x = area.left + (area.right - area.left - width) / 2;
    const int y = area.top + (area.bottom - area.top - height) / 2;
    SetWindowPos(Handle(), nullptr, x, y, 0, 0, SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
}
