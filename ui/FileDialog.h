// The standard open and save dialogs as the programs use them.
#pragma once

#include <windows.h>
#include <commdlg.h>

#include <string>

struct FileDialogRequest {
    const char* filter;     // "text|pattern|" pairs, as the dialogs' filters are written
    const char* extension;  // default extension, without period
    std::string initialName;
    DWORD flags;            // OFN_... besides OFN_EXPLORER
    bool save;
};

// The chosen full path, or empty when the user cancelled.
std::string AskFilePath(HWND owner, const FileDialogRequest& request);
// Asks for a program to run: an .exe, starting on the user's desktop.
std::string AskProgramPath(HWND owner);
