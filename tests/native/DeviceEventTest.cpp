#include "DeviceEvent.h"

#include <gtest/gtest.h>

TEST(DeviceEvent, CodesFromMessages)
{
    EXPECT_EQ(0x40000103u, DataMessageEventCode(0x4000, 0xABCD0103));
    EXPECT_EQ(0x7F000001u, DeviceChangeEventCode(1));
    EXPECT_EQ(0x7F000002u, DeviceChangeEventCode(0));
    EXPECT_EQ(0x7F000000u, DeviceChangeEventCode(5));
}

TEST(DeviceEvent, KindValueAndHalves)
{
    const DeviceEvent e = DecodeDeviceEvent(0xF0000127, DeviceState::Attached);
    EXPECT_EQ(0xF000, e.Kind);
    EXPECT_EQ(0x0127, e.Value);
    EXPECT_EQ(0x27, e.Lo());
    EXPECT_EQ(0x01, e.Hi());
}

TEST(DeviceEvent, TypeByKindAndCondition)
{
    using T = DeviceEventType;
    struct Case {
        uint32_t code;
        DeviceState state;
        T type;
    };
    constexpr DeviceState kOn = DeviceState::Attached;
    const Case cases[] = {
        {0x7F000001, DeviceState::NotFound, T::Arrival},
        {0x7F000001, DeviceState::Removed, T::Arrival},
        {0x7F000001, kOn, T::Ignored},  // a second arrival
        {0x7F000002, kOn, T::Removal},
        {0x7F000002, DeviceState::NotFound, T::Removal},
        {0x7F000002, DeviceState::Removed, T::Ignored},
        {0x7F000000, DeviceState::Removed, T::Ignored},
        {0x10000000, kOn, T::Ignored},  // tilt released
        {0x100001FF, kOn, T::Ignored},
        {0x01F20004, kOn, T::SettingChanged},
        {0x01F20008, kOn, T::SettingChanged},
        {0x01F20000, kOn, T::Ignored},
        {0x01F20009, kOn, T::Ignored},
        {0x08000003, kOn, T::SettingChanged},
        {0x08FF0000, kOn, T::SettingChanged},  // the range is tested when storing
        {0x40000003, kOn, T::ButtonActionNotice},
        {0x40000103, kOn, T::ButtonAction},
        {0x40000000, kOn, T::Ignored},
        {0x40000011, kOn, T::Ignored},
        {0x50000010, kOn, T::ButtonAction},
        {0x50000110, kOn, T::ButtonAction},
        {0x50000100, kOn, T::Ignored},
        {0x000A0005, kOn, T::LaunchProgram},
        {0x000A0105, kOn, T::Ignored},
        {0x000A0011, kOn, T::Ignored},
        {0x00A01234, kOn, T::OpenConfiguration},
        {0x07000005, kOn, T::SettingChanged},
        {0x07FF0001, kOn, T::SettingChanged},
        {0x07000009, kOn, T::Ignored},
        {0x07000000, kOn, T::Ignored},
        {0xC0000A0C, kOn, T::SettingChanged},
        {0xF0000120, kOn, T::MediaKey},
        {0xF0000027, kOn, T::MediaKey},
        {0xF0000028, kOn, T::Ignored},
        {0xF000001F, kOn, T::Ignored},
        {0x06000001, kOn, T::Ignored},
        {0x00000000, kOn, T::Ignored},
        {0xFFFFFFFF, kOn, T::Ignored},
    };
    for (const Case& c : cases)
        EXPECT_EQ(static_cast<int>(c.type), static_cast<int>(DecodeDeviceEvent(c.code, c.state).Type))
            << std::hex << c.code;
}

TEST(DeviceEvent, TiltDirection)
{
    const DeviceEvent left = DecodeDeviceEvent(0x10000001, DeviceState::Attached);
    const DeviceEvent right = DecodeDeviceEvent(0x100000FF, DeviceState::Attached);
    EXPECT_EQ(DeviceEventType::TiltScroll, left.Type);
    EXPECT_EQ(-1, left.Direction);
    EXPECT_EQ(DeviceEventType::TiltScroll, right.Type);
    EXPECT_EQ(1, right.Direction);
}
