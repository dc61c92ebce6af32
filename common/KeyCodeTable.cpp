#include "KeyCodeTable.h"

#ifdef _WIN32
#include "win32/KeyCodeSystemLayout.h"
#else
#include "KeyCodeUsLayout.h"
#endif

const KeyCodeRow KeyCodeTable[kKeyCodeRowCount] = {
    // A to Z
    {65, 4, 30}, {66, 5, 48}, {67, 6, 46}, {68, 7, 32}, {69, 8, 18}, {70, 9, 33}, {71, 10, 34},
    {72, 11, 35}, {73, 12, 23}, {74, 13, 36}, {75, 14, 37}, {76, 15, 38}, {77, 16, 50},
    {78, 17, 49}, {79, 18, 24}, {80, 19, 25}, {81, 20, 16}, {82, 21, 19}, {83, 22, 31},
    {84, 23, 20}, {85, 24, 22}, {86, 25, 47}, {87, 26, 17}, {88, 27, 45}, {89, 28, 21},
    {90, 29, 44},
    // 1 to 9, 0
    {49, 30, 2}, {50, 31, 3}, {51, 32, 4}, {52, 33, 5}, {53, 34, 6}, {54, 35, 7}, {55, 36, 8},
    {56, 37, 9}, {57, 38, 10}, {48, 39, 11},
    // Enter, Esc, BackSpace, Tab, Space
    {13, 40, 28}, {27, 41, 1}, {8, 42, 14}, {9, 43, 15}, {32, 44, 57},
    // - = [ ] backslash
    {189, 45, 12}, {187, 46, 13}, {219, 47, 26}, {221, 48, 27}, {220, 49, 43},
    // ; ' ` , . /
    {186, 51, 39}, {222, 52, 40}, {192, 53, 41}, {188, 54, 51}, {190, 55, 52}, {191, 56, 53},
    // CapsLock
    {20, 57, 58},
    // F1 to F12
    {112, 58, 59}, {113, 59, 60}, {114, 60, 61}, {115, 61, 62}, {116, 62, 63}, {117, 63, 64},
    {118, 64, 65}, {119, 65, 66}, {120, 66, 67}, {121, 67, 68}, {122, 68, 87}, {123, 69, 88},
    // Print Screen, Scroll Lock, Pause, Insert, Home, Page Up, Delete, End, Page Down
    {44, 70, 0}, {145, 71, 0}, {19, 72, 0}, {45, 73, 0}, {36, 74, 0}, {33, 75, 0}, {46, 76, 0},
    {35, 77, 0}, {34, 78, 0},
    // Right, Left, Down, Up, Num Lock
    {39, 79, 0}, {37, 80, 0}, {40, 81, 0}, {38, 82, 0}, {144, 83, 0},
    // Num / * - + Enter
    {111, 84, 0}, {106, 85, 0}, {109, 86, 0}, {107, 87, 0}, {108, 88, 0},
    // Num 1, 2, 3, 4, 5, 7, 6, 8, 9
    {97, 89, 0}, {98, 90, 0}, {99, 91, 0}, {100, 92, 0}, {101, 93, 0}, {103, 95, 0},
    {102, 94, 0}, {104, 96, 0}, {105, 97, 0},
    // Num 0, Num ., App
    {96, 98, 0}, {110, 99, 0}, {93, 101, 0},
    // Left Ctrl, Shift, Alt, Win; Right Ctrl, Shift, Alt, Win
    {162, 224, 0}, {160, 225, 0}, {164, 226, 0}, {91, 227, 0}, {163, 228, 0}, {161, 229, 0},
    {165, 230, 0}, {92, 231, 0},
    // mouse left, right, middle, backward, forward
    {240, 240, 0}, {241, 241, 0}, {242, 242, 0}, {243, 243, 0}, {244, 244, 0},
};

namespace {

// Letters, digits, punctuation and F1-F12: the keys whose meaning depends on the layout.
bool IsLayoutKey(int usage) { return usage >= 4 && usage <= 69; }

const KeyCodeRow* FirstRow(int32_t KeyCodeRow::*column, int value)
{
    for (const KeyCodeRow& row : KeyCodeTable)
        if (row.*column == value) return &row;
    return nullptr;
}

}  // namespace

const KeyCodeLayout& CurrentKeyCodeLayout()
{
#ifdef _WIN32
    static const KeyCodeSystemLayout layout;
#else
    static const KeyCodeUsLayout layout;
#endif
    return layout;
}

KeyCodeLookup VkToUsage(int virtualKey, const KeyCodeLayout& layout)
{
    const KeyCodeRow* row = FirstRow(&KeyCodeRow::VirtualKey, virtualKey);
    if (!row) return {false, 0};
    if (!IsLayoutKey(row->Usage)) return {true, row->Usage};
    // By physical key. A layout without a scan code for the key keeps the table's own row:
    // searching for scan code 0 would land on the first table-only key instead.
    int scan = layout.VkToScan(virtualKey);
    const KeyCodeRow* physical = scan != 0 ? FirstRow(&KeyCodeRow::ScanCode, scan) : nullptr;
    return {true, (physical ? physical : row)->Usage};
}

KeyCodeLookup UsageToVk(int usage, const KeyCodeLayout& layout)
{
    const KeyCodeRow* row = FirstRow(&KeyCodeRow::Usage, usage);
    if (!row) return {false, 0};
    if (!IsLayoutKey(usage)) return {true, row->VirtualKey};
    // A layout with nothing on this key keeps the table's virtual key rather than giving 0.
    int virtualKey = layout.ScanToVk(row->ScanCode);
    return {true, virtualKey != 0 ? virtualKey : row->VirtualKey};
}

const char* KeyNameOf(int virtualKey)
{
    static const char* const kDigits[] = {"0", "1", "2", "3", "4", "5", "6", "7", "8", "9"};
    static const char* const kLetters[] = {"A", "B", "C", "D", "E", "F", "G", "H", "I", "J", "K", "L", "M",
                                           "N", "O", "P", "Q", "R", "S", "T", "U", "V", "W", "X", "Y", "Z"};
    static const char* const kNumPad[] = {"Num_0", "Num_1", "Num_2", "Num_3", "Num_4",
                                          "Num_5", "Num_6", "Num_7", "Num_8", "Num_9"};
    static const char* const kFunction[] = {"F1", "F2", "F3", "F4",  "F5",  "F6",
                                            "F7", "F8", "F9", "F10", "F11", "F12"};
    if (virtualKey >= 48 && virtualKey <= 57) return kDigits[virtualKey - 48];
    if (virtualKey >= 65 && virtualKey <= 90) return kLetters[virtualKey - 65];
    if (virtualKey >= 96 && virtualKey <= 105) return kNumPad[virtualKey - 96];
    if (virtualKey >= 112 && virtualKey <= 123) return kFunction[virtualKey - 112];
    switch (virtualKey) {
    case 8: return "BackSpace";
    case 9: return "Tab";
    case 13: return "Enter";
    case 19: return "Pause";
    case 20: return "CapsLock";
    case 27: return "Esc";
    case 32: return "Space";
    case 33: return "Page UP";
    case 34: return "Page Down";
    case 35: return "End";
    case 36: return "Home";
    case 37: return "Left";
    case 38: return "Up";
    case 39: return "Right";
    case 40: return "Down";
    case 41: return "Select";
    case 43: return "Execute";
    case 44: return "Print Screen";
    case 45: return "Insert";
    case 46: return "Delete";
    case 47: return "Help";
    case 91: return "L_WIN";
    case 92: return "R_WIN";
    case 93: return "APP";
    case 106: return "Num_*";
    case 107: return "Num_+";
    case 108: return "Num_ ";
    case 109: return "Num_-";
    case 110: return "Num_.";
    case 111: return "Num_/";
    case 144: return "Number Lock";
    case 145: return "Scroll Lock";
    case 160: return "Left Shift";
    case 161: return "Right Shift";
    case 162: return "Left Ctrl";
    case 163: return "Right Ctrl";
    case 164: return "Left Alt";
    case 165: return "Right Alt";
    case 186: return ";";
    case 187: return "=";
    case 188: return ",";
    case 189: return "-";
    case 190: return ".";
    case 191: return "/";
    case 192: return "`";
    case 219: return "[";
    case 220: return "\\";
    case 221: return "]";
    case 222: return "'";
    case 240: return "Left";
    case 241: return "Right";
    case 242: return "Wheel";
    case 243: return "Backward";
    case 244: return "Forward";
    default: return "";
    }
}
