// The window Monitor finds by its title: it takes the notice messages, reads what they
// announce and has the overlay show it. WM_CLOSE ends the program.
#pragma once

#include <windows.h>

#include <string>

#include "NoticeOverlay.h"

class NoticeHost {
public:
    explicit NoticeHost(std::string folder) : m_folder(std::move(folder)) {}

    bool Create(HINSTANCE instance);

private:
    static LRESULT CALLBACK Procedure(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam);
    LRESULT OnMessage(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam);

    std::string m_folder;
    NoticeOverlay m_overlay;
};
