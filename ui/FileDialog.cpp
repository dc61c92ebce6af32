#include "FileDialog.h"

#include <shlobj.h>

#include <algorithm>
#include <vector>

std::string AskFilePath(HWND owner, const FileDialogRequest& request)
{
    // The dialogs want NUL where the filters are written with '|', and a second NUL at the end.
    std::string filter(request.filter);
    std::replace(filter.begin(), filter.end(), '|', '\0');
    filter += '\0';
    std::vector<char> path(MAX_PATH, '\0');
    request.initialName.copy(path.data(), path.size() - 1);
    OPENFILENAMEA dialog{};
    dialog.lStructSize = sizeof dialog;
    dialog.hwndOwner = owner;
    dialog.lpstrFilter = filter.c_str();
    dialog.lpstrFile = path.data();
    dialog.nMaxFile = static_cast<DWORD>(path.size());
    dialog.lpstrDefExt = request.extension;
    dialog.Flags = OFN_EXPLORER | request.flags;
    const BOOL chosen = request.save ? GetSaveFileNameA(&dialog) : GetOpenFileNameA(&dialog);
    return chosen ? std::string(path.data()) : std::string();
}

std::string AskProgramPath(HWND owner)
{
    char desktop[MAX_PATH] = {};
    SHGetFolderPathA(nullptr, CSIDL_DESKTOPDIRECTORY, nullptr, SHGFP_TYPE_CURRENT, desktop);
    return AskFilePath(owner, {"exe file(*.exe)|*.EXE|", "exe", std::string(desktop) + "\\.exe", OFN_HIDEREADONLY, false});
}
