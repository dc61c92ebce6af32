#include "KeyCodeTable.h"

#include <gtest/gtest.h>

#include <map>
#include <set>
#include <string>

#include "KeyCodeUsLayout.h"

namespace {

const KeyCodeUsLayout kUs;

// French AZERTY: the keys whose virtual key differs from the US keyboard, by scan code.
// A virtual key that only the US keyboard has (VK_OEM_MINUS, say) has no key here.
class FrenchLayout : public KeyCodeLayout {
public:
    int VkToScan(int virtualKey) const override
    {
        for (const auto& [scan, vk] : kMoved)
            if (vk == virtualKey) return scan;
        int scan = kUs.VkToScan(virtualKey);
        return kMoved.count(scan) ? 0 : scan;
    }
    int ScanToVk(int scanCode) const override
    {
        auto moved = kMoved.find(scanCode);
        return moved != kMoved.end() ? moved->second : kUs.ScanToVk(scanCode);
    }

private:
    const std::map<int, int> kMoved = {
        {16, 'A'}, {30, 'Q'}, {17, 'Z'}, {44, 'W'}, {39, 'M'}, {50, 188}, {51, 190}, {52, 191},
        {53, 223}, {40, 192}, {41, 222}, {26, 221}, {27, 186}, {43, 220}, {12, 219}, {13, 187},
    };
};

// Puts every virtual key on one physical key and has no virtual key anywhere.
class FixedLayout : public KeyCodeLayout {
public:
    explicit FixedLayout(int scan) : m_scan(scan) {}
    int VkToScan(int) const override { return m_scan; }
    int ScanToVk(int) const override { return 0; }

private:
    int m_scan;
};

TEST(KeyCodeTable, EveryCodeAppearsOnceAndOnlyLayoutKeysHaveScanCodes)
{
    std::set<int> virtualKeys, usages, scans;
    for (const KeyCodeRow& row : KeyCodeTable) {
        EXPECT_TRUE(virtualKeys.insert(row.VirtualKey).second) << row.VirtualKey;
        EXPECT_TRUE(usages.insert(row.Usage).second) << row.Usage;
        const bool layoutKey = row.Usage >= 4 && row.Usage <= 69;
        EXPECT_EQ(layoutKey, row.ScanCode != 0) << row.Usage;
        if (row.ScanCode != 0) {
            EXPECT_TRUE(scans.insert(row.ScanCode).second) << row.ScanCode;
        }
    }
    EXPECT_EQ(65u, scans.size());
}

struct Conversion { int from; bool found; int to; };

TEST(KeyCodeTable, VkToUsageUnderUsLayout)
{
    const Conversion cases[] = {
        {13, true, 40},   {65, true, 4},     {90, true, 29},   {48, true, 39},  {192, true, 53},
        {123, true, 69},  {20, true, 57},    {44, true, 70},   {97, true, 89},  {103, true, 95},
        {102, true, 94},  {93, true, 101},   {160, true, 225}, {92, true, 231}, {240, true, 240},
        {244, true, 244}, {41, false, 0},    {16, false, 0},   {0, false, 0},   {255, false, 0},
    };
    for (const Conversion& c : cases) {
        KeyCodeLookup r = VkToUsage(c.from, kUs);
        EXPECT_EQ(c.found, r.Found) << c.from;
        EXPECT_EQ(c.to, r.Code) << c.from;
    }
}

TEST(KeyCodeTable, UsageToVkUnderUsLayout)
{
    const Conversion cases[] = {
        {40, true, 13},   {4, true, 65},    {39, true, 48},   {56, true, 191}, {89, true, 97},
        {94, true, 102},  {95, true, 103},  {98, true, 96},   {224, true, 162}, {231, true, 92},
        {240, true, 240}, {242, true, 242}, {0, false, 0},    {50, false, 0},  {100, false, 0},
        {232, false, 0},
    };
    for (const Conversion& c : cases) {
        KeyCodeLookup r = UsageToVk(c.from, kUs);
        EXPECT_EQ(c.found, r.Found) << c.from;
        EXPECT_EQ(c.to, r.Code) << c.from;
    }
}

TEST(KeyCodeTable, EveryRowSurvivesARoundTripUnderUsLayout)
{
    for (const KeyCodeRow& row : KeyCodeTable) {
        KeyCodeLookup usage = VkToUsage(row.VirtualKey, kUs);
        ASSERT_TRUE(usage.Found);
        EXPECT_EQ(row.Usage, usage.Code);
        EXPECT_EQ(row.VirtualKey, UsageToVk(usage.Code, kUs).Code);
    }
}

TEST(KeyCodeTable, FrenchLayoutStoresThePhysicalKey)
{
    const FrenchLayout french;
    const Conversion toUsage[] = {
        {65, true, 20},   // A sits where the US keyboard has Q
        {81, true, 4},
        {90, true, 26},
        {77, true, 51},   // M on the US semicolon key
        {188, true, 16},  // comma on the US M key
        {189, true, 45},  // no such key in this layout: the table's own row
        {49, true, 30},
        {13, true, 40},
        {97, true, 89},
        {162, true, 224},
    };
    for (const Conversion& c : toUsage) {
        KeyCodeLookup r = VkToUsage(c.from, french);
        EXPECT_EQ(c.found, r.Found) << c.from;
        EXPECT_EQ(c.to, r.Code) << c.from;
    }
    const Conversion toVk[] = {{20, true, 65}, {4, true, 81}, {51, true, 77}, {16, true, 188}, {45, true, 219},
                               {40, true, 13}, {89, true, 97}};
    for (const Conversion& c : toVk) {
        KeyCodeLookup r = UsageToVk(c.from, french);
        EXPECT_EQ(c.found, r.Found) << c.from;
        EXPECT_EQ(c.to, r.Code) << c.from;
    }
}

TEST(KeyCodeTable, LayoutIsAskedOnlyForLayoutKeys)
{
    const FixedLayout onQ(16);
    EXPECT_EQ(20, VkToUsage(65, onQ).Code);
    EXPECT_EQ(20, VkToUsage(112, onQ).Code);  // F1 goes by physical key too
    EXPECT_EQ(20, VkToUsage(13, onQ).Code);   // so do Enter, Esc, Tab and Space
    EXPECT_EQ(80, VkToUsage(37, onQ).Code);
    EXPECT_EQ(89, VkToUsage(97, onQ).Code);
    EXPECT_EQ(225, VkToUsage(160, onQ).Code);
    EXPECT_EQ(243, VkToUsage(243, onQ).Code);
    EXPECT_EQ(162, UsageToVk(224, onQ).Code);
    EXPECT_EQ(37, UsageToVk(80, onQ).Code);
}

TEST(KeyCodeTable, UnknownPhysicalKeysKeepTheTableRow)
{
    for (int scan : {0, 86, 200}) {
        const FixedLayout layout(scan);
        KeyCodeLookup r = VkToUsage(66, layout);
        EXPECT_TRUE(r.Found);
        EXPECT_EQ(5, r.Code) << scan;
    }
    // No virtual key on the physical key: the table's virtual key.
    const FixedLayout nothing(0);
    EXPECT_EQ(66, UsageToVk(5, nothing).Code);
    EXPECT_TRUE(UsageToVk(5, nothing).Found);
}

TEST(KeyCodeTable, KeyNames)
{
    const std::pair<int, const char*> cases[] = {
        {8, "BackSpace"},  {13, "Enter"},        {33, "Page UP"},      {41, "Select"},      {43, "Execute"},
        {47, "Help"},      {48, "0"},            {57, "9"},            {65, "A"},           {90, "Z"},
        {91, "L_WIN"},     {93, "APP"},          {96, "Num_0"},        {97, "Num_1"},       {105, "Num_9"},
        {106, "Num_*"},    {108, "Num_ "},       {111, "Num_/"},       {112, "F1"},         {123, "F12"},
        {144, "Number Lock"}, {145, "Scroll Lock"}, {160, "Left Shift"}, {165, "Right Alt"}, {186, ";"},
        {191, "/"},        {192, "`"},           {219, "["},           {220, "\\"},         {222, "'"},
        {240, "Left"},     {241, "Right"},       {242, "Wheel"},       {243, "Backward"},   {244, "Forward"},
        {16, ""},          {17, ""},             {42, ""},             {58, ""},            {64, ""},
        {89, "Y"},        {124, ""},            {166, ""},            {245, ""},           {-1, ""},
    };
    for (const auto& [vk, name] : cases) EXPECT_EQ(std::string(name), KeyNameOf(vk)) << vk;
}

TEST(KeyCodeTable, EveryTableKeyHasAName)
{
    for (const KeyCodeRow& row : KeyCodeTable) EXPECT_STRNE("", KeyNameOf(row.VirtualKey)) << row.VirtualKey;
}

}  // namespace
