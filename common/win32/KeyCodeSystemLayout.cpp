#include "win32/KeyCodeSystemLayout.h"

#include <windows.h>

int KeyCodeSystemLayout::VkToScan(int virtualKey) const
{
    return static_cast<int>(MapVirtualKeyA(static_cast<UINT>(virtualKey), MAPVK_VK_TO_VSC));
}

int KeyCodeSystemLayout::ScanToVk(int scanCode) const
{
    return static_cast<int>(MapVirtualKeyA(static_cast<UINT>(scanCode), MAPVK_VSC_TO_VK_EX));
}
