#include "MouseActions.h"

#include <gtest/gtest.h>

namespace {

using Events = std::vector<MouseEvent>;

void SetButton(MouseMemory& memory, int b, ButtonCode code)
{
    uint8_t* at = memory.Profiles[memory.CurrentProfile].Buttons.data() + 4 * b;
    at[0] = code.Group;
    at[1] = code.Arg1;
    at[2] = code.Arg2;
    at[3] = code.Arg3;
}

TEST(MouseActions, ButtonsReportWhatTheirCodeSays)
{
    struct Case {
        ButtonCode Code;
        Events Down;
        Events Up;
    } cases[] = {
        {{0x01, 0x00, 0xF0, 0x00}, {}, {}},                                  // left click: ordinary input
        {{0x03, 0x00, 0xCD, 0x00}, {}, {}},                                  // media key: ordinary input
        {{0x00, 0x00, 0x00, 0x00}, {}, {}},                                  // disabled
        {{0x00, 0x04, 0x06, 0x00}, {{0x4000, 0x0003}}, {{0x4000, 0x0103}}},  // key
        {{0x09, 0x00, 0x03, 0x00}, {{0x4000, 0x0003}}, {{0x4000, 0x0103}}},  // macro slot
        {{0x06, 0x00, 0x0A, 0x03}, {{0x000A, 0x0003}}, {}},                  // launch program of button 3
        {{0x06, 0x00, 0xA0, 0x00}, {{0x00A0, 0x0000}}, {}},                  // open the configuration
        {{0x04, 0x00, 0x04, 0x00}, {{0x1000, 0x0001}}, {{0x1000, 0x0000}}},  // tilt left
        {{0x04, 0x00, 0x03, 0x00}, {{0x1000, 0x00FF}}, {{0x1000, 0x0000}}},  // tilt right
        {{0x04, 0x00, 0x01, 0x00}, {}, {}},                                  // wheel up
        {{0x07, 0x00, 0x01, 0x00}, {{0x0700, 0x0002}}, {}},                  // DPI up from level 1
        {{0x08, 0x00, 0x03, 0x00}, {{0x0800, 0x0002}}, {}},                  // profile cycle from 1
        {{0x08, 0x00, 0x07, 0x00}, {}, {}},                                  // no such step
    };
    for (const Case& c : cases) {
        MouseMemory memory = FactoryMemory();
        memory.Profiles[0].DpiLevel = 1;
        SetButton(memory, 2, c.Code);
        EXPECT_EQ(PressButton(memory, 2, true), c.Down) << int(c.Code.Group) << " " << int(c.Code.Arg2);
        EXPECT_EQ(PressButton(memory, 2, false), c.Up) << int(c.Code.Group) << " " << int(c.Code.Arg2);
    }
}

TEST(MouseActions, ButtonOutsideTheTableDoesNothing)
{
    MouseMemory memory = FactoryMemory();
    EXPECT_TRUE(PressButton(memory, -1, true).empty());
    EXPECT_TRUE(PressButton(memory, 16, true).empty());
}

TEST(MouseActions, ProfileAndDpiStepsStopAtTheEndsAndCycleRound)
{
    MouseMemory memory = FactoryMemory();
    EXPECT_EQ(StepProfile(memory, MouseStep::Down), (MouseEvent{0x0800, 1}));
    for (int i = 0; i < 6; ++i) StepProfile(memory, MouseStep::Up);
    EXPECT_EQ(memory.CurrentProfile, 4);
    EXPECT_EQ(StepProfile(memory, MouseStep::Cycle), (MouseEvent{0x0800, 1}));

    memory.Profiles[0].DpiLevel = 5;
    EXPECT_EQ(StepDpi(memory, MouseStep::Up), (MouseEvent{0x0700, 5}));
    EXPECT_EQ(StepDpi(memory, MouseStep::Cycle), (MouseEvent{0x0700, 1}));
    EXPECT_EQ(StepDpi(memory, MouseStep::Down), (MouseEvent{0x0700, 1}));
    memory.Profiles[0].DpiLevel = 0;  // damaged
    EXPECT_EQ(StepDpi(memory, MouseStep::Up), (MouseEvent{0x0700, 2}));
}

TEST(MouseActions, ReportIntervalGoesRound)
{
    MouseMemory memory = FactoryMemory();
    memory.CurrentProfile = 1;
    memory.Profiles[1].ReportInterval = 2;
    EXPECT_EQ(NextReportInterval(memory), (MouseEvent{0x01F2, 4}));
    EXPECT_EQ(NextReportInterval(memory), (MouseEvent{0x01F2, 8}));
    EXPECT_EQ(NextReportInterval(memory), (MouseEvent{0x01F2, 1}));
    memory.Profiles[1].ReportInterval = 3;
    EXPECT_EQ(NextReportInterval(memory), (MouseEvent{0x01F2, 1}));
    EXPECT_EQ(memory.Profiles[0].ReportInterval, FactoryMemory().Profiles[0].ReportInterval);
}

TEST(MouseActions, SensitivityStepsBothAxesWithinRange)
{
    MouseMemory memory = FactoryMemory();
    memory.Profiles[0].Settings[74] = 120;  // X 12
    memory.Profiles[0].Settings[75] = 100;  // Y 10
    EXPECT_EQ(StepSensitivity(memory, -2), (MouseEvent{0xC000, 0x080A}));
    EXPECT_EQ(memory.Profiles[0].Settings[74], 100);
    EXPECT_EQ(memory.Profiles[0].Settings[75], 80);
    memory.Profiles[0].Settings[74] = 200;
    memory.Profiles[0].Settings[75] = 0;
    EXPECT_EQ(StepSensitivity(memory, +1), (MouseEvent{0xC000, 0x0214}));
}

}  // namespace
