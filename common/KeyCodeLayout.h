// The keyboard layout as the key code conversions need it: which physical key (scan code)
// produces a virtual key, and back.
#pragma once

class KeyCodeLayout {
public:
    virtual ~KeyCodeLayout() = default;
    // 0 when the layout has no key for the code.
    virtual int VkToScan(int virtualKey) const = 0;
    // Tells left and right keys apart; 0 when the layout has no virtual key there.
    virtual int ScanToVk(int scanCode) const = 0;
};

// The layout the user types with: the system's on Windows, a US layout elsewhere.
const KeyCodeLayout& CurrentKeyCodeLayout();
