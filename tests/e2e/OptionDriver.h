// Drives a running Option as a user does: real pointer and key input at the places its skin
// files give, and what a user sees of it afterwards.
#pragma once

#include <windows.h>

#include <string>
#include <vector>

#include "ChildProcess.h"

class OptionDriver {
public:
    // folder: the program folder with its skins, ending in a backslash.
    explicit OptionDriver(std::string folder) : m_folder(std::move(folder)) {}

    // Starts Option.exe of the folder and waits until its main window shows.
    bool Start();
    ChildProcess& Process() { return m_process; }
    const ChildProcess& Process() const { return m_process; }

    static HWND Window();
    // Option's visible top-level windows other than its main window (its dialogs and boxes).
    std::vector<HWND> OtherWindows() const;

    RECT KeyRect(int key, const char* skin = "skin_main.ini") const;
    // Moves the real cursor to a client point of a window (the main window by default).
    void MouseTo(int x, int y, HWND window = Window()) const;
    // Sends one mouse button event (MOUSEEVENTF_LEFTDOWN, ...) at once; Press also lets it arrive.
    static void SendButton(DWORD flag);
    static void Press(DWORD flag);
    void Click(int key, HWND window = Window(), const char* skin = "skin_main.ini") const;
    // Types letters and digits as their keys, without Shift.
    static void Type(const std::string& letters);

    // The main window's control at the middle of a key's rectangle.
    HWND KeyWindow(int key) const;
    bool OkAndApplyEnabled() const;

private:
    std::string m_folder;
    ChildProcess m_process;
};
