// A US keyboard, read straight from the key code table.
#pragma once

#include "KeyCodeLayout.h"

class KeyCodeUsLayout : public KeyCodeLayout {
public:
    int VkToScan(int virtualKey) const override;
    int ScanToVk(int scanCode) const override;
};
