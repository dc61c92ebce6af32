#include "SettingsPage.h"

#include <climits>

#include <gtest/gtest.h>

#include "DeviceReport.h"
#include "DeviceReportTestSupport.h"

namespace {

Bytes PageOf(const ProfileRecord& profile) { return BytesOf(ToDataPage(EncodeSettingsPage(profile))); }

}  // namespace

TEST(DeviceReportSettingsPage, FactoryProfileGivesTheFullPage)
{
    const auto block = DefaultBlock();
    const Bytes expected = Bytes{0xFF, 0xFF} + Zeros(46) + Bytes{0x35, 0xD4, 0x0B, 0x04} + Zeros(9) +
                           Bytes{0x80, 0x03, 0x00, 0x0F, 0x00, 0x0A, 0x0A, 0x19, 0x19, 0x05} +
                           Bytes{0x04, 0x19, 0x00} +  // colour flow, speed 2, direction 0
                           Bytes{0x64, 0x64} +        // sensitivity 10 x 10
                           Bytes{0x01, 0xC0, 0xF0, 0x03, 0x01, 0x01, 0x64, 0x00} +
                           Bytes{0x08, 0x10, 0x20, 0x40, 0x64, 0x07, 0x07, 0x07} +
                           Bytes{0x08, 0x10, 0x20, 0x40, 0x64, 0x07, 0x07, 0x07} +
                           Bytes{0x7F, 0xFF, 0xFF, 0xFF} +
                           // choices 0, 1, 3, 2, 4, 5, 6, 7
                           Bytes{0xFF, 0x00, 0x00, 0x00, 0xFF, 0x00, 0x00, 0x00, 0xFF, 0xFF, 0xFF, 0x00,
                                 0xFF, 0x00, 0xFF, 0x00, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF};
    ASSERT_EQ(128u, expected.size());
    EXPECT_EQ(expected, PageOf(block->Profiles[0]));
}

TEST(DeviceReportSettingsPage, ValuesAreSentAsTheirLowByte)
{
    auto block = DefaultBlock();
    ProfileRecord& p = block->Profiles[1];
    p.Sensitivity_X = 30;       // 300 -> 0x2C
    p.Sensitivity_Y = INT_MAX;  // must wrap, not overflow
    p.CpiLevel_X[0] = 0x1FF;
    p.CpiLevel_Y[0] = 77;  // the Y levels are not sent
    const Bytes page = PageOf(p);
    EXPECT_EQ(0x2C, page[74]);
    EXPECT_EQ(0xF6, page[75]);
    EXPECT_EQ(0xFF, page[84]);
    EXPECT_EQ(0xFF, page[92]);
}

TEST(DeviceReportSettingsPage, ColourChoices)
{
    const std::pair<int32_t, RgbTriple> cases[] = {
        {0, {0xFF, 0, 0}}, {2, {0xFF, 0xFF, 0}}, {5, {0, 0xFF, 0xFF}}, {6, {0xFF, 0xFF, 0xFF}},
        {7, {0xFF, 0xFF, 0xFF}}, {8, {0xFF, 0xFF, 0xFF}}, {-1, {0xFF, 0xFF, 0xFF}},
    };
    for (auto [option, rgb] : cases) {
        const RgbTriple got = ColorOptionTriple(option);
        EXPECT_EQ((Bytes{rgb.Red, rgb.Green, rgb.Blue}), (Bytes{got.Red, got.Green, got.Blue})) << option;
    }
}

TEST(DeviceReportSettingsPage, LightBytesByEffect)
{
    struct Case {
        const char* name;
        void (*setup)(ProfileRecord&);
        LightBytes expected;
    };
    const Case cases[] = {
        {"single off wins over speed", [](ProfileRecord& p) { p.LightType = 0; p.DanSeType = 1; p.DanSeIntensity = 4; p.DanSeSpeed = 1; }, {0, 0, 0}},
        {"single steady 1", [](ProfileRecord& p) { p.LightType = 0; p.DanSeType = 1; p.DanSeIntensity = 1; }, {1, 5, 0x80}},
        {"single steady 2", [](ProfileRecord& p) { p.LightType = 0; p.DanSeType = 1; p.DanSeIntensity = 2; }, {1, 15, 0x80}},
        {"single steady 3", [](ProfileRecord& p) { p.LightType = 0; p.DanSeType = 1; p.DanSeIntensity = 3; }, {1, 37, 0x80}},
        {"single pulse 1", [](ProfileRecord& p) { p.LightType = 0; p.DanSeType = 2; p.DanSeSpeed = 1; p.DanSeIntensity = 4; }, {2, 50, 0x80}},
        {"single pulse 3", [](ProfileRecord& p) { p.LightType = 0; p.DanSeType = 2; p.DanSeSpeed = 3; }, {2, 15, 0x80}},
        {"single pulse custom", [](ProfileRecord& p) { p.LightType = 0; p.DanSeType = 2; p.DanSeSpeed = 4; p.DanSeSpecielSpeed = 12; }, {2, 37, 0x80}},
        {"neon off", [](ProfileRecord& p) { p.LightType = 1; p.NeonIntensity = 1; p.NeonSpeed = 1; }, {0, 0, 0}},
        {"neon 1", [](ProfileRecord& p) { p.LightType = 1; p.NeonSpeed = 1; }, {3, 37, 0}},
        {"neon custom", [](ProfileRecord& p) { p.LightType = 1; p.NeonSpeed = 4; p.NeonSpecielSpeed = 5; }, {3, 23, 0}},
        {"flow off", [](ProfileRecord& p) { p.LightType = 2; p.LightSwitch = 1; p.XuanCaiDirection = 1; }, {0, 0, 0}},
        {"flow 3 reversed", [](ProfileRecord& p) { p.LightType = 2; p.XuanCaiSpeed = 3; p.XuanCaiDirection = 1; }, {4, 15, 1}},
        {"flow custom", [](ProfileRecord& p) { p.LightType = 2; p.XuanCaiSpeed = 4; p.XuanCaiSpecielSpeed = 1; p.XuanCaiDirection = 0x101; }, {4, 15, 1}},
        {"seven off", [](ProfileRecord& p) { p.LightType = 3; p.QiSeIntensity = 1; }, {0, 0, 0}},
        {"seven 2", [](ProfileRecord& p) { p.LightType = 3; p.QiSeSpeed = 2; }, {2, 25, 0}},
        {"seven custom wraps", [](ProfileRecord& p) { p.LightType = 3; p.QiSeSpeed = 0; p.QiSeSpecielSpeed = 200; }, {2, 157, 0}},
        {"custom speed garbage", [](ProfileRecord& p) { p.LightType = 1; p.NeonSpeed = 9; p.NeonSpecielSpeed = INT_MIN; }, {3, 13, 0}},
        {"unknown effect", [](ProfileRecord& p) { p.LightType = 4; }, {2, 1, 2}},
        {"negative effect", [](ProfileRecord& p) { p.LightType = -1; }, {2, 1, 2}},
    };
    for (const Case& c : cases) {
        auto block = DefaultBlock();
        c.setup(block->Profiles[0]);
        const Bytes page = PageOf(block->Profiles[0]);
        EXPECT_EQ((Bytes{c.expected.Mode, c.expected.Rate, c.expected.Option}), Bytes(page.begin() + 71, page.begin() + 74))
            << c.name;
    }
}
