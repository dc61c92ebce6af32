#include "SettingsPage.h"

#include <cstring>

#include "DebugLog.h"

namespace {

constexpr uint8_t kFixed48[4] = {0x35, 0xD4, 0x0B, 0x04};
constexpr uint8_t kFixed61[10] = {0x80, 0x03, 0x00, 0x0F, 0x00, 0x0A, 0x0A, 0x19, 0x19, 0x05};
constexpr uint8_t kFixed76[8] = {0x01, 0xC0, 0xF0, 0x03, 0x01, 0x01, 0x64, 0x00};
constexpr uint8_t kFixed100[4] = {0x7F, 0xFF, 0xFF, 0xFF};
constexpr uint8_t kLevelTail = 0x07;

constexpr RgbTriple kWhite = {0xFF, 0xFF, 0xFF};
constexpr RgbTriple kColorOptions[8] = {
    {0xFF, 0x00, 0x00}, {0x00, 0xFF, 0x00}, {0xFF, 0xFF, 0x00}, {0x00, 0x00, 0xFF},
    {0xFF, 0x00, 0xFF}, {0x00, 0xFF, 0xFF}, kWhite, kWhite,
};

constexpr uint8_t kModeOff = 0;
constexpr uint8_t kModeSteady = 1;
constexpr uint8_t kModePulse = 2;
constexpr uint8_t kModeNeon = 3;
constexpr uint8_t kModeFlow = 4;
constexpr uint8_t kSingleColourOption = 0x80;

constexpr uint8_t kEffectRates[3] = {37, 25, 15};
constexpr uint8_t kPulseRates[3] = {50, 25, 15};

// Byte arithmetic is modulo 256; unsigned, so that garbage values cannot overflow.
uint8_t Low(int32_t v) { return static_cast<uint8_t>(v); }
uint8_t LowTimes(int32_t v, uint32_t factor, uint32_t add = 0)
{
    return static_cast<uint8_t>(static_cast<uint32_t>(v) * factor + add);
}

// Speeds 1-3 are presets; any other speed means the custom speed 1-12.
uint8_t SpeedRate(int32_t speed, int32_t customSpeed, const uint8_t (&presets)[3])
{
    if (speed >= 1 && speed <= 3) return presets[speed - 1];
    return LowTimes(customSpeed, 2, 13);
}

LightBytes SingleColour(const ProfileRecord& p)
{
    if (p.DanSeType == 1) {
        if (p.DanSeIntensity == 4) return {kModeOff, 0, 0};
        const uint8_t rate = p.DanSeIntensity == 1 ? 5 : p.DanSeIntensity == 2 ? 15 : 37;
        return {kModeSteady, rate, kSingleColourOption};
    }
    return {kModePulse, SpeedRate(p.DanSeSpeed, p.DanSeSpecielSpeed, kPulseRates), kSingleColourOption};
}

}  // namespace

LightBytes EncodeLightBytes(const ProfileRecord& p)
{
    switch (p.LightType) {
    case 0:
        return SingleColour(p);
    case 1:
        if (p.NeonIntensity == 1) return {kModeOff, 0, 0};
        return {kModeNeon, SpeedRate(p.NeonSpeed, p.NeonSpecielSpeed, kEffectRates), 0};
    case 2:
        if (p.LightSwitch == 1) return {kModeOff, 0, 0};
        return {kModeFlow, SpeedRate(p.XuanCaiSpeed, p.XuanCaiSpecielSpeed, kEffectRates),
                Low(p.XuanCaiDirection)};
    case 3:
        if (p.QiSeIntensity == 1) return {kModeOff, 0, 0};
        return {kModePulse, SpeedRate(p.QiSeSpeed, p.QiSeSpecielSpeed, kEffectRates), 0};
    default:
        return {kModePulse, 1, 2};
    }
}

RgbTriple ColorOptionTriple(int32_t option)
{
    if (option < 0 || option > 7) {
        DebugLog("SettingsPage: colour choice %d unknown, sent as white\n", option);
        return kWhite;
    }
    return kColorOptions[option];
}

SettingsPage EncodeSettingsPage(const ProfileRecord& p)
{
    SettingsPage page{};
    page.Head[0] = page.Head[1] = 0xFF;
    std::memcpy(page.Fixed48, kFixed48, sizeof kFixed48);
    std::memcpy(page.Fixed61, kFixed61, sizeof kFixed61);
    const LightBytes light = EncodeLightBytes(p);
    page.LightMode = light.Mode;
    page.LightRate = light.Rate;
    page.LightOption = light.Option;
    page.SensitivityX = LowTimes(p.Sensitivity_X, 10);
    page.SensitivityY = LowTimes(p.Sensitivity_Y, 10);
    std::memcpy(page.Fixed76, kFixed76, sizeof kFixed76);
    for (int i = 0; i < 5; ++i) page.DpiLevels[i] = page.DpiLevels2[i] = Low(p.CpiLevel_X[i]);
    std::memset(page.Fixed89, kLevelTail, sizeof page.Fixed89);
    std::memset(page.Fixed97, kLevelTail, sizeof page.Fixed97);
    std::memcpy(page.Fixed100, kFixed100, sizeof kFixed100);
    for (int i = 0; i < 8; ++i) page.Colors[i] = ColorOptionTriple(p.ColorOptions[i]);
    return page;
}
