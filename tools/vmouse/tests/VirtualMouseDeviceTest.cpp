#include "VirtualMouseDevice.h"

#include <gtest/gtest.h>

namespace {

using Bytes = std::vector<uint8_t>;
using Lines = std::vector<std::string>;

const Bytes kSelectProfile3 = {0x02, 0x03, 0x00, 0x00, 0x00, 0x00, 0x00, 0xFA};

struct Recorder {
    Lines Transcript;
    std::vector<MouseEvent> Events;
    std::vector<bool> Plugs;

    VirtualMouseDevice::Links Links()
    {
        return {[this](const std::string& body) { Transcript.push_back(body); },
                [this](const MouseEvent& e) { Events.push_back(e); }, [this](bool p) { Plugs.push_back(p); }};
    }
};

TEST(VirtualMouseDevice, TakesFramesWhilePlugged)
{
    Recorder r;
    VirtualMouseDevice mouse(true, r.Links());
    mouse.Announce();
    EXPECT_TRUE(mouse.TakeCommand(kSelectProfile3.data(), kSelectProfile3.size()));
    const Bytes chunk(64, 0);
    EXPECT_TRUE(mouse.TakeChunk(chunk.data(), chunk.size()));
    EXPECT_EQ(mouse.Memory().CurrentProfile, 2);
    EXPECT_EQ(r.Transcript, (Lines{"P 1", "F 02030000000000FA", "W " + std::string(128, '0'),
                                   "X chunk without a page command"}));
}

TEST(VirtualMouseDevice, UnpluggedTakesNothingAndReportsNothing)
{
    Recorder r;
    VirtualMouseDevice mouse(false, r.Links());
    EXPECT_FALSE(mouse.TakeCommand(kSelectProfile3.data(), kSelectProfile3.size()));
    EXPECT_EQ(mouse.Memory().CurrentProfile, 0);
    mouse.StepProfile(MouseStep::Up);
    mouse.SendEvent(0x0800, 3);
    EXPECT_TRUE(r.Events.empty());
    EXPECT_EQ(r.Transcript, (Lines{"F 02030000000000FA", "X command report while unplugged"}));
    EXPECT_EQ(mouse.Memory().CurrentProfile, 0);
}

TEST(VirtualMouseDevice, ControlsReportTheirEventsAndPlugChanges)
{
    Recorder r;
    VirtualMouseDevice mouse(true, r.Links());
    mouse.StepProfile(MouseStep::Up);
    mouse.PressButton(0, true);  // left click: the PC hears nothing
    mouse.Tilt(-1, true);
    mouse.SendEvent(0xF000, 0x0021);
    mouse.SetPlugged(false);
    mouse.SetPlugged(false);
    mouse.SetPlugged(true);
    EXPECT_EQ(r.Events, (std::vector<MouseEvent>{{0x0800, 2}, {0x1000, 1}, {0xF000, 0x21}}));
    EXPECT_EQ(r.Plugs, (std::vector<bool>{false, true}));
    EXPECT_EQ(r.Transcript, (Lines{"E 0800 0002", "E 1000 0001", "E F000 0021", "P 0", "P 1"}));
    EXPECT_EQ(mouse.Memory().CurrentProfile, 1);
}

}  // namespace
