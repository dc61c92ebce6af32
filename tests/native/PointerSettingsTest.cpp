#include "PointerSettings.h"

#include <gtest/gtest.h>

#include <cstring>
#include <memory>
#include <string>

#include "MemoryRegistry.h"

namespace {

const std::string kMouse = "Control Panel\\Mouse";
const std::string kDesktop = "Control Panel\\Desktop";

class PointerSettingsTest : public ::testing::Test {
protected:
    PointerSettingsTest() { std::memset(&record, 0, sizeof record); }

    std::string Mouse(const char* name) const { return registry.Value(kMouse, name).value_or("<missing>"); }
    std::string Lines() const { return registry.Value(kDesktop, "WheelScrollLines").value_or("<missing>"); }
    std::string Acceleration() const
    {
        return Mouse("MouseSpeed") + "," + Mouse("MouseThreshold1") + "," + Mouse("MouseThreshold2");
    }
    void SetAcceleration(const char* speed, const char* threshold1, const char* threshold2)
    {
        registry.SetValue(kMouse, "MouseSpeed", speed);
        registry.SetValue(kMouse, "MouseThreshold1", threshold1);
        registry.SetValue(kMouse, "MouseThreshold2", threshold2);
    }
    void FillRegistry()
    {
        registry.SetValue(kMouse, "DoubleClickSpeed", "500");
        registry.SetValue(kMouse, "SwapMouseButtons", "1");
        registry.SetValue(kMouse, "MouseSensitivity", "10");
        SetAcceleration("1", "6", "0");
        registry.SetValue(kDesktop, "WheelScrollLines", "3");
    }

    MemoryRegistry registry;
    ProfileRecord record;
};

TEST_F(PointerSettingsTest, TableRowsFollowTheLevelRule)
{
    for (int level = 0; level < 20; ++level) {
        const AccelerationRow& row = AccelerationTable[level];
        AccelerationRow expected = level == 0 ? AccelerationRow{0, 0, 0}
                                 : level <= 10 ? AccelerationRow{1, 14 - level, 0}
                                               : AccelerationRow{2, 4, 24 - level};
        EXPECT_EQ(expected.MouseSpeed, row.MouseSpeed) << level;
        EXPECT_EQ(expected.MouseThreshold1, row.MouseThreshold1) << level;
        EXPECT_EQ(expected.MouseThreshold2, row.MouseThreshold2) << level;
    }
}

TEST_F(PointerSettingsTest, WritesEveryValueAsDecimalText)
{
    record.DbleClickSpeed = 432;
    record.Orientation = 1;
    record.MouseSpeed = 17;
    record.AccelerationFlag = 1;
    record.Acceleration = 3;
    record.ScrollWheelSpeed = 7;
    ASSERT_EQ(1, WritePointerSettings(&record, registry));
    EXPECT_EQ("432", Mouse("DoubleClickSpeed"));
    EXPECT_EQ("1", Mouse("SwapMouseButtons"));
    EXPECT_EQ("17", Mouse("MouseSensitivity"));
    EXPECT_EQ("1,11,0", Acceleration());
    EXPECT_EQ("7", Lines());
}

TEST_F(PointerSettingsTest, WriteChoosesTheAccelerationRow)
{
    struct Case { int32_t flag, level; const char* written; };
    const Case cases[] = {
        {0, 12, "0,0,0"},  // acceleration switched off
        {1, 25, "2,4,5"},  // beyond the table: last row
        {1, -4, "0,0,0"},
        {1, 0, "0,0,0"},
        {1, 10, "1,4,0"},
        {1, 11, "2,4,13"},
        {2, 5, "1,9,0"},   // any flag but 0 switches it on
    };
    for (const Case& c : cases) {
        record.AccelerationFlag = c.flag;
        record.Acceleration = c.level;
        ASSERT_EQ(1, WritePointerSettings(&record, registry));
        EXPECT_EQ(c.written, Acceleration()) << "flag " << c.flag << " level " << c.level;
    }
}

TEST_F(PointerSettingsTest, WriteGivesWheelLinesOrWholeScreens)
{
    struct Case { int32_t flag, speed; const char* written; };
    const Case cases[] = {{1, 5, "-1"}, {0, 5, "5"}, {2, 9, "9"}, {0, 0, "0"}};
    for (const Case& c : cases) {
        record.ScrollWheelFlag = c.flag;
        record.ScrollWheelSpeed = c.speed;
        ASSERT_EQ(1, WritePointerSettings(&record, registry));
        EXPECT_EQ(c.written, Lines()) << "flag " << c.flag << " speed " << c.speed;
    }
}

TEST_F(PointerSettingsTest, ReadTakesEveryValue)
{
    FillRegistry();
    ASSERT_EQ(1, ReadPointerSettings(&record, registry));
    EXPECT_EQ(500, record.DbleClickSpeed);
    EXPECT_EQ(1, record.Orientation);
    EXPECT_EQ(10, record.MouseSpeed);
    EXPECT_EQ(8, record.Acceleration);
    EXPECT_EQ(1, record.AccelerationFlag);
    EXPECT_EQ(3, record.ScrollWheelSpeed);
    EXPECT_EQ(0, record.ScrollWheelFlag);
}

TEST_F(PointerSettingsTest, ReadMatchesTheLastFittingLevel)
{
    struct Case { const char *speed, *threshold1, *threshold2; int32_t before, level, flag; };
    const Case cases[] = {
        {"0", "0", "0", 12, 0, 0},
        {"1", "6", "0", 3, 8, 1},    // rows 1-8 fit, the last wins
        {"1", "6", "10", 7, 7, 1},   // no row allows a second threshold at speed 1: unchanged
        {"1", "6", "10", 0, 0, 0},
        {"1", "13", "0", 9, 1, 1},
        {"1", "4", "0", 0, 10, 1},
        {"2", "4", "13", 0, 11, 1},
        {"2", "3", "5", 0, 19, 1},
        {"2", "4", "4", 6, 19, 1},
        {"3", "0", "0", 6, 6, 1},    // unknown speed: unchanged, flag follows the level
        {"-1", "0", "0", 0, 0, 0},
    };
    for (const Case& c : cases) {
        SetAcceleration(c.speed, c.threshold1, c.threshold2);
        record.Acceleration = c.before;
        record.AccelerationFlag = 1 - (c.before != 0);
        ASSERT_EQ(1, ReadPointerSettings(&record, registry));
        std::string label = std::string(c.speed) + "," + c.threshold1 + "," + c.threshold2;
        EXPECT_EQ(c.level, record.Acceleration) << label;
        EXPECT_EQ(c.flag, record.AccelerationFlag) << label;
    }
}

TEST_F(PointerSettingsTest, EveryLevelSurvivesAWriteAndARead)
{
    for (int32_t level = 0; level < 20; ++level) {
        record.Acceleration = level;
        record.AccelerationFlag = 1;
        ASSERT_EQ(1, WritePointerSettings(&record, registry));
        record.Acceleration = -7;
        ASSERT_EQ(1, ReadPointerSettings(&record, registry));
        EXPECT_EQ(level, record.Acceleration);
        EXPECT_EQ(level != 0, record.AccelerationFlag == 1);
    }
}

TEST_F(PointerSettingsTest, SwitchedOffAccelerationReadsBackAsLevelZero)
{
    record.AccelerationFlag = 0;
    record.Acceleration = 12;
    ASSERT_EQ(1, WritePointerSettings(&record, registry));
    ASSERT_EQ(1, ReadPointerSettings(&record, registry));
    EXPECT_EQ(0, record.Acceleration);
    EXPECT_EQ(0, record.AccelerationFlag);
}

TEST_F(PointerSettingsTest, WholeScreenWheelSurvivesARoundTrip)
{
    registry.SetValue(kDesktop, "WheelScrollLines", "-1");
    record.ScrollWheelSpeed = 4;
    ASSERT_EQ(1, ReadPointerSettings(&record, registry));
    EXPECT_EQ(1, record.ScrollWheelFlag);
    EXPECT_EQ(0, record.ScrollWheelSpeed);
    registry.SetValue(kDesktop, "WheelScrollLines", "12");
    ASSERT_EQ(1, WritePointerSettings(&record, registry));
    EXPECT_EQ("-1", Lines());
}

TEST_F(PointerSettingsTest, UnusableValuesLeaveTheirFieldsAlone)
{
    struct Case { const char* key; const char* name; const char* text; };  // text null: missing
    const std::string tooLong(80, '1');
    const Case cases[] = {
        {"Control Panel\\Mouse", "DoubleClickSpeed", nullptr},
        {"Control Panel\\Mouse", "DoubleClickSpeed", "fast"},
        {"Control Panel\\Mouse", "SwapMouseButtons", ""},
        {"Control Panel\\Mouse", "SwapMouseButtons", "1x"},
        {"Control Panel\\Mouse", "MouseSensitivity", tooLong.c_str()},
        {"Control Panel\\Mouse", "MouseSensitivity", "99999999999"},
        {"Control Panel\\Mouse", "MouseSpeed", nullptr},
        {"Control Panel\\Mouse", "MouseThreshold1", "?"},
        {"Control Panel\\Mouse", "MouseThreshold2", nullptr},
        {"Control Panel\\Desktop", "WheelScrollLines", nullptr},
        {"Control Panel\\Desktop", "WheelScrollLines", "-"},
    };
    for (const Case& c : cases) {
        FillRegistry();
        if (c.text) registry.SetValue(c.key, c.name, c.text);
        else registry.RemoveValue(c.key, c.name);
        std::memset(&record, 0x5A, sizeof record);
        ASSERT_EQ(1, ReadPointerSettings(&record, registry)) << c.name;

        const std::string name = c.name;
        const bool acceleration = name.rfind("MouseSpeed", 0) == 0 || name.rfind("MouseThreshold", 0) == 0;
        const int32_t untouched = 0x5A5A5A5A;
        EXPECT_EQ(name == "DoubleClickSpeed" ? untouched : 500, record.DbleClickSpeed) << name;
        EXPECT_EQ(name == "SwapMouseButtons" ? untouched : 1, record.Orientation) << name;
        EXPECT_EQ(name == "MouseSensitivity" ? untouched : 10, record.MouseSpeed) << name;
        EXPECT_EQ(acceleration ? untouched : 8, record.Acceleration) << name;
        EXPECT_EQ(acceleration ? untouched : 1, record.AccelerationFlag) << name;
        EXPECT_EQ(name == "WheelScrollLines" ? untouched : 3, record.ScrollWheelSpeed) << name;
        EXPECT_EQ(name == "WheelScrollLines" ? untouched : 0, record.ScrollWheelFlag) << name;
    }
}

TEST_F(PointerSettingsTest, NumbersMayCarryBlanksAndSigns)
{
    FillRegistry();
    registry.SetValue(kMouse, "DoubleClickSpeed", " 700 ");
    registry.SetValue(kMouse, "MouseSensitivity", "+12");
    registry.SetValue(kDesktop, "WheelScrollLines", "-1");
    ASSERT_EQ(1, ReadPointerSettings(&record, registry));
    EXPECT_EQ(700, record.DbleClickSpeed);
    EXPECT_EQ(12, record.MouseSpeed);
    EXPECT_EQ(1, record.ScrollWheelFlag);
}

TEST_F(PointerSettingsTest, ReadCreatesMissingKeysAndChangesNothing)
{
    std::memset(&record, 0x33, sizeof record);
    ProfileRecord before = record;
    ASSERT_EQ(1, ReadPointerSettings(&record, registry));
    EXPECT_EQ(0, std::memcmp(&before, &record, sizeof record));
    EXPECT_TRUE(registry.HasKey(kMouse));
    EXPECT_TRUE(registry.HasKey(kDesktop));
}

TEST_F(PointerSettingsTest, MouseKeyFailureStopsEverything)
{
    FillRegistry();
    registry.FailOpening(kMouse);
    std::memset(&record, 0x33, sizeof record);
    ProfileRecord before = record;
    EXPECT_EQ(0, ReadPointerSettings(&record, registry));
    EXPECT_EQ(0, std::memcmp(&before, &record, sizeof record));

    record.DbleClickSpeed = 900;
    record.ScrollWheelSpeed = 8;
    record.ScrollWheelFlag = 0;
    EXPECT_EQ(-1, WritePointerSettings(&record, registry));
    EXPECT_EQ("500", Mouse("DoubleClickSpeed"));
    EXPECT_EQ("3", Lines());
}

TEST_F(PointerSettingsTest, DesktopKeyFailureComesAfterTheMouseValues)
{
    FillRegistry();
    registry.FailOpening(kDesktop);
    record.ScrollWheelSpeed = 6;
    EXPECT_EQ(-1, ReadPointerSettings(&record, registry));
    EXPECT_EQ(500, record.DbleClickSpeed);
    EXPECT_EQ(8, record.Acceleration);
    EXPECT_EQ(6, record.ScrollWheelSpeed);

    record.DbleClickSpeed = 900;
    record.ScrollWheelSpeed = 8;
    EXPECT_EQ(-1, WritePointerSettings(&record, registry));
    EXPECT_EQ("900", Mouse("DoubleClickSpeed"));
    EXPECT_EQ("3", Lines());
}

#ifndef _WIN32
// On Windows this is the real registry; its test restores what it touches.
TEST(UserRegistry, IsOneRegistryForTheWholeProcess)
{
    ProfileRecord written{};
    written.DbleClickSpeed = 321;
    ASSERT_EQ(1, WritePointerSettings(&written, UserRegistry()));
    ProfileRecord read{};
    ASSERT_EQ(1, ReadPointerSettings(&read, UserRegistry()));
    EXPECT_EQ(321, read.DbleClickSpeed);
}
#endif

}  // namespace
