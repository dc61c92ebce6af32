#include "SettingsBlock.h"

#include <cstdio>
#include <cstring>

namespace {

constexpr uint8_t kDefaultFunctions[kButtonCount] = {1, 2, 3, 7, 8, 13, 86, 0, 0, 0, 0, 0, 0, 0, 9, 10};
constexpr int32_t kDefaultCpiLevels[5] = {8, 16, 32, 64, 100};
constexpr int32_t kDefaultColorOptions[8] = {0, 1, 3, 2, 4, 5, 6, 7};
constexpr int32_t kDefaultDpiColors[5] = {0x0000FF, 0xFF0000, 0x00FF00, 0xFF00FF, 0xFF0000};
constexpr int32_t kDefaultQiSeColors[7] = {0xFF00FF, 0x00FF00, 0xFF0000, 0x00FFFF, 0xFFFF00, 0xFF00FF, 0xFFFFFF};

template <typename T, size_t N>
bool Differ(const T (&a)[N], const T (&b)[N]) { return std::memcmp(a, b, sizeof a) != 0; }
template <typename T>
bool Differ(const T& a, const T& b) { return a != b; }

template <typename... T>
int32_t AnyDiffer(const ProfileRecord& o, const ProfileRecord& n, T ProfileRecord::*... fields)
{
    return ((Differ(o.*fields, n.*fields)) || ...) ? 1 : 0;
}

void FillFlags(int32_t (&flags)[kProfileCount], int32_t value)
{
    for (int32_t& f : flags) f = value;
}

}  // namespace

void ClearSettingsBlock(SettingsBlock* block)
{
    block->CurrentProfile = -1;
    std::memset(block->Profiles, 0, sizeof block->Profiles);
    block->MouseType = 0;
    std::memset(block->ButtonChanged, 0, sizeof block->ButtonChanged);
    FillFlags(block->OptionsChanged, 0);
    FillFlags(block->OTGSpeedChanged, 0);
    block->ProfileIndexChanged = 0;
}

void SetAllDefaults(SettingsBlock* block)
{
    block->CurrentProfile = 0;
    for (int i = 0; i < kProfileCount; ++i) SetProfileDefaults(&block->Profiles[i], i);
}

void SetButtonDefaults(ButtonRecord* button, int index)
{
    std::memset(button, 0, sizeof *button);
    button->ButtonIndex = static_cast<uint8_t>(index);
    button->FunctionCode = kDefaultFunctions[index];
}

void SetProfileDefaults(ProfileRecord* r, int index)
{
    std::memset(r->ProFileName, 0, sizeof r->ProFileName);
    std::snprintf(r->ProFileName, sizeof r->ProFileName, "Default%d", index + 1);
    std::memset(r->GameFile, 0, sizeof r->GameFile);
    r->DbleClickSpeed = 550;
    r->ScrollWheelSpeed = 3;
    r->ScrollWheelFlag = 0;
    r->MouseSpeed = 10;
    r->Acceleration = 10;
    r->AccelerationFlag = 0;
    r->TiltSpeed = 3;
    r->LightIntensity = 3;
    r->BreathSpeed = 1;
    r->TimeCloseFlag = 1;
    r->MediaOption = 0;
    r->HDDKeyboard = 1;
    r->Orientation = 0;
    r->XYSynchronous = 0;
    r->Sensitivity_X = 10;
    r->Sensitivity_Y = 10;
    r->XYCpiFlag = 1;
    std::memcpy(r->CpiLevel_X, kDefaultCpiLevels, sizeof r->CpiLevel_X);
    std::memcpy(r->CpiLevel_Y, kDefaultCpiLevels, sizeof r->CpiLevel_Y);
    r->CpiStep = 1;
    for (int32_t& f : r->dpiStepFlag) f = 1;
    r->DpiIndicationType = 1;
    r->PollingRate = 2;
    r->LightSwitch = 0;
    r->LightType = 2;
    r->ColorFlag = 1;
    std::memcpy(r->ColorOptions, kDefaultColorOptions, sizeof r->ColorOptions);
    r->OTGSpeed = 10;
    std::memcpy(r->DPIColor, kDefaultDpiColors, sizeof r->DPIColor);
    r->BtnConfiguration = 4;
    r->Color1Type = 1;
    r->Color2Type = 1;
    r->LightEffectSwitch1 = 1;
    r->LightEffectSwitch2 = 0;
    r->LightEffectType1 = 0;
    r->LightEffectType2 = 1;
    r->ColorOptions1 = 1;
    r->ColorOptions2 = 1;
    r->ColorChangeModeOptions1 = 1;
    r->ColorChangeModeOptions2 = 1;
    r->FireOrOnToGoStatusIndicatorSetting = 1;
    r->ProfileSwitchIndictor = 1;
    for (int b = 0; b < kButtonCount; ++b) SetButtonDefaults(&r->MacroKeyInfo[b], b);
    r->XuanCaiDirection = 0;
    r->XuanCaiSpeed = 2;
    r->XuanCaiSpecielSpeed = 1;
    r->NeonSpeed = 2;
    r->NeonSpecielSpeed = 1;
    r->NeonIntensity = 0;
    r->QiSeSpeed = 2;
    r->QiSeIntensity = 0;
    r->QiSeType = 1;
    r->QiSeSpecielSpeed = 1;
    std::memcpy(r->ClQiSeColor, kDefaultQiSeColors, sizeof r->ClQiSeColor);
    r->DanSeSpeed = 2;
    r->DanSeSpecielSpeed = 1;
    r->DanSeIntensity = 2;
    r->DanSeType = 2;
}

void MarkChanges(const SettingsBlock* lastApplied, SettingsBlock* edited)
{
    using R = ProfileRecord;
    edited->ProfileIndexChanged = lastApplied->CurrentProfile != edited->CurrentProfile ? 1 : 0;
    for (int p = 0; p < kProfileCount; ++p) {
        const R& o = lastApplied->Profiles[p];
        const R& n = edited->Profiles[p];
        edited->OptionsChanged[p] =
            AnyDiffer(o, n, &R::HDDKeyboard, &R::TimeCloseFlag, &R::LiftLevel, &R::ColorChangeMode, &R::BTOption);
        edited->OTGSpeedChanged[p] = AnyDiffer(o, n, &R::OTGSpeed);
        edited->PollingRateChanged[p] = AnyDiffer(o, n, &R::PollingRate);
        edited->CpiStepChanged[p] = AnyDiffer(o, n, &R::CpiStep);
        edited->SettingsChanged[p] =
            AnyDiffer(o, n, &R::XYSynchronous, &R::Sensitivity_X, &R::Sensitivity_Y, &R::XYCpiFlag) |
            AnyDiffer(o, n, &R::CpiLevel_X, &R::CpiLevel_Y, &R::dpiStepFlag, &R::DPIColor, &R::ColorOptions) |
            AnyDiffer(o, n, &R::dpiIndicator) |
            AnyDiffer(o, n, &R::LightIntensity, &R::BreathSpeed, &R::LightSwitch, &R::LightType, &R::ColorFlag) |
            AnyDiffer(o, n, &R::LightEffectSwitch1, &R::LightEffectSwitch2, &R::LightEffectType1,
                      &R::LightEffectType2, &R::ColorOptions1, &R::ColorOptions2) |
            AnyDiffer(o, n, &R::XuanCaiDirection, &R::XuanCaiSpeed, &R::XuanCaiSpecielSpeed, &R::NeonSpeed,
                      &R::NeonSpecielSpeed, &R::NeonIntensity, &R::QiSeSpeed, &R::QiSeIntensity, &R::QiSeType,
                      &R::QiSeSpecielSpeed, &R::DanSeSpeed, &R::DanSeSpecielSpeed, &R::DanSeIntensity,
                      &R::DanSeType) |
            AnyDiffer(o, n, &R::ClQiSeColor);
    }
}

void MarkAllChanged(SettingsBlock* block)
{
    for (auto& profile : block->ButtonChanged)
        for (int32_t& f : profile) f = 1;
    FillFlags(block->OptionsChanged, 1);
    FillFlags(block->OTGSpeedChanged, 1);
    block->ProfileIndexChanged = 1;
    FillFlags(block->PollingRateChanged, 1);
    FillFlags(block->CpiStepChanged, 1);
    FillFlags(block->SettingsChanged, 1);
}

void MarkProfileChanged(SettingsBlock* block, int p)
{
    if (p < 0 || p >= kProfileCount) return;
    for (int32_t& f : block->ButtonChanged[p]) f = 1;
    block->OptionsChanged[p] = 1;
    block->OTGSpeedChanged[p] = 1;
    block->PollingRateChanged[p] = 1;
    block->CpiStepChanged[p] = 1;
    block->SettingsChanged[p] = 1;
    block->ProfileIndexChanged = 1;
}

void ClearChangeFlags(SettingsBlock* block)
{
    std::memset(block->ButtonChanged, 0, sizeof block->ButtonChanged);
    FillFlags(block->OptionsChanged, 0);
    FillFlags(block->OTGSpeedChanged, 0);
}

void MakeBlockSafe(SettingsBlock* block)
{
    for (ProfileRecord& r : block->Profiles) {
        r.ProFileName[sizeof r.ProFileName - 1] = '\0';
        r.GameFile[sizeof r.GameFile - 1] = '\0';
        for (ButtonRecord& b : r.MacroKeyInfo) {
            b.MacroName[sizeof b.MacroName - 1] = '\0';
            b.ProgramPath[sizeof b.ProgramPath - 1] = '\0';
            if (b.EventCount > kButtonEventBytes / 4) b.EventCount = kButtonEventBytes / 4;
        }
    }
}
