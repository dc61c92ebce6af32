// The keyboard layout Windows gives this thread.
#pragma once

#include "KeyCodeLayout.h"

class KeyCodeSystemLayout : public KeyCodeLayout {
public:
    int VkToScan(int virtualKey) const override;
    int ScanToVk(int scanCode) const override;
};
