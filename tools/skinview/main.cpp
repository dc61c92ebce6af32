// skinview [--skins FOLDER] [--shot FILE.bmp] SKIN.ini
// Opens the skin as its window would look, with its controls. With --shot it saves what the
// window shows on the screen (white outside its outline) and exits.
#include <windows.h>
#include <ole2.h>

#include <cstdio>
#include <cstring>
#include <string>

#include "MenuFrameHook.h"
#include "MessageLoop.h"
#include "ProgramFolder.h"
#include "SkinFolder.h"
#include "SkinViewDialog.h"
#include "WindowShot.h"

namespace {

int Usage()
{
    std::fprintf(stderr, "usage: skinview [--skins FOLDER] [--shot FILE.bmp] SKIN.ini\n"
                         "  --skins  folder of the skin files (default: the program folder's skins)\n"
                         "  --shot   save a screenshot of the window and exit\n");
    return 2;
}

// Lets the window and its controls paint completely before the picture is taken.
void Settle()
{
    for (int i = 0; i < 20; ++i) {
        PumpMessages();
        Sleep(25);
    }
}

}  // namespace

int main(int argc, char** argv)
{
    std::string skin, shot;
    for (int i = 1; i < argc; ++i) {
        if (!std::strcmp(argv[i], "--skins") && i + 1 < argc) {
            SetSkinFolder(argv[++i]);
        } else if (!std::strcmp(argv[i], "--shot") && i + 1 < argc) {
            shot = argv[++i];
        } else if (argv[i][0] == '-' || !skin.empty()) {
            return Usage();
        } else {
            skin = argv[i];
        }
    }
    if (skin.empty()) return Usage();
    OleInitialize(nullptr);
    InstallMenuFrameHook();
    int result = 0;
    {
        SkinViewDialog view(skin);
        if (shot.empty()) {
            view.DoModal(nullptr);
        } else if (!view.CreateModeless(nullptr)) {
            std::fprintf(stderr, "skinview: cannot create the window\n");
            result = 1;
        } else {
            SetWindowPos(view.Handle(), HWND_TOPMOST, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE | SWP_SHOWWINDOW);
            Settle();
            if (!SaveWindowShot(CaptureWindow(view.Handle()), shot)) {
                std::fprintf(stderr, "skinview: cannot write %s\n", shot.c_str());
                result = 1;
            }
        }
    }
    RemoveMenuFrameHook();
    OleUninitialize();
    return result;
}
