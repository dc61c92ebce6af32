#include "PointerApply.h"

#include <cstdlib>

namespace {

int ReadNumber(Registry::Key* key, const char* name)
{
    char text[260] = {};
    if (!key || !key->ReadText(name, text, sizeof text)) return 0;
    return std::atoi(text);
}

}  // namespace

void ApplyPointerSettings(ProfileRecord* p, Registry::Key* mouseKey, HWND self)
{
    SetDoubleClickTime(static_cast<UINT>(p->DbleClickSpeed));

    int speed = ReadNumber(mouseKey, "MouseSpeed");
    int threshold2 = ReadNumber(mouseKey, "MouseThreshold2");
    int threshold1 = ReadNumber(mouseKey, "MouseThreshold1");
    if (p->AccelerationFlag != 1 && (speed != 0 || threshold2 != 0 || threshold1 != 0)) {
        p->Acceleration = 0;
        speed = threshold1 = threshold2 = 0;
        if (mouseKey) {
            mouseKey->WriteText("MouseSpeed", "0");
            mouseKey->WriteText("MouseThreshold2", "0");
            mouseKey->WriteText("MouseThreshold1", "0");
        }
    }

    int mouse[3] = {threshold1, threshold2, speed};
    SystemParametersInfoA(SPI_SETMOUSE, 0, mouse, SPIF_SENDCHANGE);
    SendMessageA(self, WM_SETTINGCHANGE, SPI_SETMOUSE, reinterpret_cast<LPARAM>(mouse));

    SystemParametersInfoA(SPI_SETMOUSESPEED, 0, reinterpret_cast<void*>(static_cast<INT_PTR>(p->MouseSpeed)),
                          SPIF_SENDCHANGE);
    SendMessageA(self, WM_SETTINGCHANGE, SPI_SETMOUSESPEED, 0);

    const UINT lines = p->ScrollWheelFlag != 0 ? static_cast<UINT>(-1) : static_cast<UINT>(p->ScrollWheelSpeed);
    SystemParametersInfoA(SPI_SETWHEELSCROLLLINES, lines, nullptr, SPIF_SENDCHANGE);
    DWORD recipients = BSM_APPLICATIONS;
    static const char kWheel[] = "WheelScrollLines";
    BroadcastSystemMessageA(BSF_IGNORECURRENTTASK | BSF_NOHANG, &recipients, WM_SETTINGCHANGE,
                            SPI_SETWHEELSCROLLLINES, reinterpret_cast<LPARAM>(kWheel));
}
