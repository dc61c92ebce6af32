// A child dialog that lives inside another window as one of its pages: never ended by
// OK or Cancel, shown and hidden by its host.
#pragma once

#include "Dialog.h"

class PageDialog : public Dialog {
public:
    explicit PageDialog(int templateId) : Dialog(templateId) {}

    // Creates the page hidden at the place (parent client coordinates).
    bool Create(HWND parent, const RECT& place);
    void Show(bool visible);

protected:
    void OnOK() override {}
    void OnCancel() override {}
};
