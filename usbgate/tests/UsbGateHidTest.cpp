// The HID transport where no mouse is attached (as under Wine): every call answers at once
// and safely, and the library can be freed afterwards.
#include <gtest/gtest.h>

#include "UsbGateLibrary.h"

namespace {

TEST(UsbGateHid, WithoutTheMouseEveryCallFailsSafely)
{
    UsbGateLibrary gate("hid");
    ASSERT_TRUE(gate.Module);
    ASSERT_TRUE(gate.Bound) << "all eleven functions are exported by name";
    MessageSink sink;
    EXPECT_EQ(gate.SetVidPid(0x2E5A, 0x4B2D), 1);
    EXPECT_EQ(gate.OpenDevMonitor(sink.Handle(), kDataMessage, kChangeMessage), 1);
    EXPECT_EQ(gate.OpenFeatureDevice(), 0);
    EXPECT_EQ(gate.OpenReportDevice(), 0);
    unsigned char report[8] = {0x01, 0x88, 0x02, 0, 0, 0, 0, 0x74};
    unsigned char chunk[64] = {};
    EXPECT_EQ(gate.SetFeature(report, 8), 0);
    EXPECT_EQ(gate.WriteUsb(chunk, 64), 0);
    EXPECT_EQ(gate.SetFeature(nullptr, -1), 0);
    EXPECT_EQ(gate.GetFeature(report, 8), 0);
    EXPECT_EQ(gate.ReadUsb(chunk, 64), 0);
    EXPECT_EQ(gate.CloseFeatureDevice(), 1);
    EXPECT_EQ(gate.CloseReportDevice(), 1);
    EXPECT_EQ(gate.CloseDevMonitor(), 1);
    EXPECT_EQ(gate.CloseDevMonitor(), 1) << "a second close is harmless";
    gate.Module.reset();
    EXPECT_EQ(GetModuleHandleA("usbgate.dll"), nullptr) << "no thread of the library keeps it loaded";
}

}  // namespace
