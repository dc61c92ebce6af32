// A dialog on a template of the program's resources, bound to its object from its very
// first message (WM_CREATE included, so a skin can build the controls there). Modal runs
// use our own loop, so that PreTranslateMessage sees every key before the dialog manager.
#pragma once

#include <windows.h>

#include "Widget.h"

class Dialog : public Widget {
public:
    explicit Dialog(int templateId) : m_templateId(templateId) {}

    // Creates the dialog hidden, owned by (popup) or inside (child template) the parent.
    bool CreateModeless(HWND parent);
    // Disables the owner, shows the dialog and runs until EndDialog; -1 when it cannot be made.
    INT_PTR DoModal(HWND owner);
    void EndDialog(INT_PTR result);
    bool Ended() const { return m_ended; }
    INT_PTR Result() const { return m_result; }

protected:
    LRESULT OnMessage(UINT message, WPARAM wParam, LPARAM lParam) override;
    LRESULT OnCommand(UINT id, UINT code, HWND control) override;
    void OnFinalDestroy() override;

    // After the controls exist; TRUE lets the dialog manager set the focus.
    virtual BOOL OnInitDialog();
    virtual void OnOK();
    virtual void OnCancel();

private:
    static INT_PTR CALLBACK DialogProcedure(HWND, UINT message, WPARAM, LPARAM);
    void CentreOverOwner();

    int m_templateId;
    bool m_ended = false;
    INT_PTR m_result = -1;
};
