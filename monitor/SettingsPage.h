// The 128-byte settings page of one profile: lighting, sensitivity, DPI levels and the eight
// colours. The bytes the mouse gives no meaning to here are sent as fixed values.
#pragma once

#include <cstddef>
#include <cstdint>

#include "SettingsBlock.h"

struct RgbTriple {
    uint8_t Red;
    uint8_t Green;
    uint8_t Blue;
};

static_assert(sizeof(RgbTriple) == 3);
static_assert(offsetof(RgbTriple, Red) == 0);
static_assert(offsetof(RgbTriple, Green) == 1);
static_assert(offsetof(RgbTriple, Blue) == 2);

struct SettingsPage {
    uint8_t Head[2];       // FF FF
    uint8_t Zero2[46];
    uint8_t Fixed48[4];    // 35 D4 0B 04
    uint8_t Zero52[9];
    uint8_t Fixed61[10];   // 80 03 00 0F 00 0A 0A 19 19 05
    uint8_t LightMode;
    uint8_t LightRate;
    uint8_t LightOption;
    uint8_t SensitivityX;  // Sensitivity_X x 10
    uint8_t SensitivityY;  // Sensitivity_Y x 10
    uint8_t Fixed76[8];    // 01 C0 F0 03 01 01 64 00
    uint8_t DpiLevels[5];
    uint8_t Fixed89[3];    // 07 07 07
    uint8_t DpiLevels2[5];
    uint8_t Fixed97[3];    // 07 07 07
    uint8_t Fixed100[4];   // 7F FF FF FF
    RgbTriple Colors[8];
};

static_assert(sizeof(SettingsPage) == 128);
static_assert(offsetof(SettingsPage, Head) == 0);
static_assert(offsetof(SettingsPage, Zero2) == 2);
static_assert(offsetof(SettingsPage, Fixed48) == 48);
static_assert(offsetof(SettingsPage, Zero52) == 52);
static_assert(offsetof(SettingsPage, Fixed61) == 61);
static_assert(offsetof(SettingsPage, LightMode) == 71);
static_assert(offsetof(SettingsPage, LightRate) == 72);
static_assert(offsetof(SettingsPage, LightOption) == 73);
static_assert(offsetof(SettingsPage, SensitivityX) == 74);
static_assert(offsetof(SettingsPage, SensitivityY) == 75);
static_assert(offsetof(SettingsPage, Fixed76) == 76);
static_assert(offsetof(SettingsPage, DpiLevels) == 84);
static_assert(offsetof(SettingsPage, Fixed89) == 89);
static_assert(offsetof(SettingsPage, DpiLevels2) == 92);
static_assert(offsetof(SettingsPage, Fixed97) == 97);
static_assert(offsetof(SettingsPage, Fixed100) == 100);
static_assert(offsetof(SettingsPage, Colors) == 104);

struct LightBytes {
    uint8_t Mode;
    uint8_t Rate;
    uint8_t Option;
};

LightBytes EncodeLightBytes(const ProfileRecord& profile);
// A ColorOptions choice 0-7; choices outside that range are sent as white.
RgbTriple ColorOptionTriple(int32_t option);
SettingsPage EncodeSettingsPage(const ProfileRecord& profile);
