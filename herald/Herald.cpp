// Herald.exe: shows the notices Monitor announces (profile, DPI, macro, texts from other
// programs) on screen. One instance; Monitor starts it and closes it.
#include <windows.h>

#include "MessageLoop.h"
#include "NoticeHost.h"
#include "ProcessLink.h"
#include "ProgramFolder.h"
#include "UniqueResource.h"

namespace {

constexpr char kHeraldMutex[] = "Trevon_470-2280_Gaming_Mouse_Normal_OSD_Mutex";

}  // namespace

int WINAPI WinMain(HINSTANCE, HINSTANCE, LPSTR, int)
{
    // A second start ends at once, and so does a start while another program owns the title.
    UniqueHandle mutex(CreateMutexA(nullptr, FALSE, kHeraldMutex));
    if (GetLastError() == ERROR_ALREADY_EXISTS || FindWindowA(nullptr, kNoticeTitle)) return 0;

    NoticeHost host(GetProgramFolder());
    if (!host.Create()) return 1;
    return RunMessageLoop();
}
