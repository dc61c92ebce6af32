// Keys are stored as HID keyboard usages (plus 240-244 for the mouse buttons); Windows speaks
// virtual-key codes. One table converts between them; letters, digits and punctuation go by
// physical key, so that a key captured under one layout plays back as the same key.
#pragma once

#include <cstdint>

#include "KeyCodeLayout.h"

struct KeyCodeRow {
    int32_t VirtualKey;
    int32_t Usage;
    int32_t ScanCode;  // 0 for keys that are mapped by the table alone
};

constexpr int kKeyCodeRowCount = 109;
extern const KeyCodeRow KeyCodeTable[kKeyCodeRowCount];

struct KeyCodeLookup {
    bool Found;
    int32_t Code;  // 0 when not found
};

KeyCodeLookup VkToUsage(int virtualKey, const KeyCodeLayout& layout = CurrentKeyCodeLayout());
KeyCodeLookup UsageToVk(int usage, const KeyCodeLayout& layout = CurrentKeyCodeLayout());
// The display name of a virtual key; empty for keys without one.
const char* KeyNameOf(int virtualKey);
