#include "KeyCodeUsLayout.h"

#include "KeyCodeTable.h"

int KeyCodeUsLayout::VkToScan(int virtualKey) const
{
    for (const KeyCodeRow& row : KeyCodeTable)
        if (row.VirtualKey == virtualKey) return row.ScanCode;
    return 0;
}

int KeyCodeUsLayout::ScanToVk(int scanCode) const
{
    if (scanCode == 0) return 0;
    for (const KeyCodeRow& row : KeyCodeTable)
        if (row.ScanCode == scanCode) return row.VirtualKey;
    return 0;
}
