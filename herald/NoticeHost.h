// The window Monitor finds by its title: it takes the notice messages, reads what they
// announce and has the overlay show it. WM_CLOSE ends the program.
#pragma once

#include <windows.h>

#include <string>

#include "NoticeOverlay.h"
#include "Window.h"

class NoticeHost : public Window {
public:
    explicit NoticeHost(std::string folder) : m_folder(std::move(folder)) {}

    bool Create();

protected:
    LRESULT OnMessage(UINT message, WPARAM wParam, LPARAM lParam) override;

private:

    std::string m_folder;
    NoticeOverlay m_overlay;
};
