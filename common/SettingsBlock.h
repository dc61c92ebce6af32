// The settings block: the one structure Monitor and Option share. It crosses processes and
// files byte for byte, so every offset below is a format and is checked at compile time.
#pragma once

#include <cstddef>
#include <cstdint>

constexpr int kProfileCount = 5;
constexpr int kButtonCount = 16;
constexpr int kButtonEventBytes = 160;

struct ButtonRecord {
    uint8_t ButtonIndex;
    uint8_t FunctionCode;
    char MacroName[25];
    uint8_t pad27;
    int32_t MacroRepeat;
    int32_t MacroPlayOption;
    uint16_t EventCount;
    // A key assignment uses the first two bytes (usage, modifiers); a macro holds 40 events.
    uint8_t Events[kButtonEventBytes];
    char ProgramPath[262];
};

static_assert(sizeof(ButtonRecord) == 460);
static_assert(offsetof(ButtonRecord, ButtonIndex) == 0);
static_assert(offsetof(ButtonRecord, FunctionCode) == 1);
static_assert(offsetof(ButtonRecord, MacroName) == 2);
static_assert(offsetof(ButtonRecord, pad27) == 27);
static_assert(offsetof(ButtonRecord, MacroRepeat) == 28);
static_assert(offsetof(ButtonRecord, MacroPlayOption) == 32);
static_assert(offsetof(ButtonRecord, EventCount) == 36);
static_assert(offsetof(ButtonRecord, Events) == 38);
static_assert(offsetof(ButtonRecord, ProgramPath) == 198);

constexpr int kKeyUsageOffset = 0;      // within Events
constexpr int kKeyModifiersOffset = 1;  // within Events

struct ProfileRecord {
    char ProFileName[250];
    char GameFile[502];
    int32_t DbleClickSpeed;
    int32_t ScrollWheelSpeed;
    int32_t ScrollWheelFlag;
    int32_t MouseSpeed;
    int32_t Acceleration;
    int32_t AccelerationFlag;
    int32_t TiltSpeed;
    int32_t LightIntensity;
    int32_t BreathSpeed;
    int32_t TimeCloseFlag;
    int32_t MediaOption;
    int32_t HDDKeyboard;
    int32_t Orientation;
    int32_t XYSynchronous;
    int32_t Sensitivity_X;
    int32_t Sensitivity_Y;
    int32_t XYCpiFlag;
    int32_t CpiLevel_X[5];
    int32_t CpiLevel_Y[5];
    int32_t CpiStep;
    int32_t dpiStepFlag[5];
    uint8_t dpiIndicator[5];
    uint8_t DpiIndicationType;
    uint8_t pad890[2];
    int32_t PollingRate;
    int32_t LiftSwitch;
    int32_t LiftLevel;
    int32_t LightSwitch;
    int32_t LightType;
    int32_t ColorFlag;
    int32_t ColorOptions[8];
    int32_t ColorChangeMode;
    int32_t BTOption;
    int32_t OTGSpeed;
    int32_t DPIColor[5];
    uint8_t BtnConfiguration;
    uint8_t Color1Type;
    uint8_t Color2Type;
    uint8_t LightEffectSwitch1;
    uint8_t LightEffectSwitch2;
    uint8_t LightEffectType1;
    uint8_t LightEffectType2;
    uint8_t ColorOptions1;
    uint8_t ColorOptions2;
    uint8_t ColorChangeModeOptions1;
    uint8_t ColorChangeModeOptions2;
    uint8_t FireOrOnToGoStatusIndicatorSetting;
    uint8_t ProfileSwitchIndictor;
    uint8_t pad993[3];
    ButtonRecord MacroKeyInfo[kButtonCount];
    int32_t XuanCaiDirection;
    int32_t XuanCaiSpeed;
    int32_t XuanCaiSpecielSpeed;
    int32_t NeonSpeed;
    int32_t NeonSpecielSpeed;
    int32_t NeonIntensity;
    int32_t QiSeSpeed;
    int32_t QiSeIntensity;
    int32_t QiSeType;
    int32_t QiSeSpecielSpeed;
    int32_t ClQiSeColor[7];
    int32_t DanSeSpeed;
    int32_t DanSeSpecielSpeed;
    int32_t DanSeIntensity;
    int32_t DanSeType;
};

static_assert(sizeof(ProfileRecord) == 8440);
static_assert(offsetof(ProfileRecord, ProFileName) == 0);
static_assert(offsetof(ProfileRecord, GameFile) == 250);
static_assert(offsetof(ProfileRecord, DbleClickSpeed) == 752);
static_assert(offsetof(ProfileRecord, ScrollWheelSpeed) == 756);
static_assert(offsetof(ProfileRecord, ScrollWheelFlag) == 760);
static_assert(offsetof(ProfileRecord, MouseSpeed) == 764);
static_assert(offsetof(ProfileRecord, Acceleration) == 768);
static_assert(offsetof(ProfileRecord, AccelerationFlag) == 772);
static_assert(offsetof(ProfileRecord, TiltSpeed) == 776);
static_assert(offsetof(ProfileRecord, LightIntensity) == 780);
static_assert(offsetof(ProfileRecord, BreathSpeed) == 784);
static_assert(offsetof(ProfileRecord, TimeCloseFlag) == 788);
static_assert(offsetof(ProfileRecord, MediaOption) == 792);
static_assert(offsetof(ProfileRecord, HDDKeyboard) == 796);
static_assert(offsetof(ProfileRecord, Orientation) == 800);
static_assert(offsetof(ProfileRecord, XYSynchronous) == 804);
static_assert(offsetof(ProfileRecord, Sensitivity_X) == 808);
static_assert(offsetof(ProfileRecord, Sensitivity_Y) == 812);
static_assert(offsetof(ProfileRecord, XYCpiFlag) == 816);
static_assert(offsetof(ProfileRecord, CpiLevel_X) == 820);
static_assert(offsetof(ProfileRecord, CpiLevel_Y) == 840);
static_assert(offsetof(ProfileRecord, CpiStep) == 860);
static_assert(offsetof(ProfileRecord, dpiStepFlag) == 864);
static_assert(offsetof(ProfileRecord, dpiIndicator) == 884);
static_assert(offsetof(ProfileRecord, DpiIndicationType) == 889);
static_assert(offsetof(ProfileRecord, pad890) == 890);
static_assert(offsetof(ProfileRecord, PollingRate) == 892);
static_assert(offsetof(ProfileRecord, LiftSwitch) == 896);
static_assert(offsetof(ProfileRecord, LiftLevel) == 900);
static_assert(offsetof(ProfileRecord, LightSwitch) == 904);
static_assert(offsetof(ProfileRecord, LightType) == 908);
static_assert(offsetof(ProfileRecord, ColorFlag) == 912);
static_assert(offsetof(ProfileRecord, ColorOptions) == 916);
static_assert(offsetof(ProfileRecord, ColorChangeMode) == 948);
static_assert(offsetof(ProfileRecord, BTOption) == 952);
static_assert(offsetof(ProfileRecord, OTGSpeed) == 956);
static_assert(offsetof(ProfileRecord, DPIColor) == 960);
static_assert(offsetof(ProfileRecord, BtnConfiguration) == 980);
static_assert(offsetof(ProfileRecord, Color1Type) == 981);
static_assert(offsetof(ProfileRecord, Color2Type) == 982);
static_assert(offsetof(ProfileRecord, LightEffectSwitch1) == 983);
static_assert(offsetof(ProfileRecord, LightEffectSwitch2) == 984);
static_assert(offsetof(ProfileRecord, LightEffectType1) == 985);
static_assert(offsetof(ProfileRecord, LightEffectType2) == 986);
static_assert(offsetof(ProfileRecord, ColorOptions1) == 987);
static_assert(offsetof(ProfileRecord, ColorOptions2) == 988);
static_assert(offsetof(ProfileRecord, ColorChangeModeOptions1) == 989);
static_assert(offsetof(ProfileRecord, ColorChangeModeOptions2) == 990);
static_assert(offsetof(ProfileRecord, FireOrOnToGoStatusIndicatorSetting) == 991);
static_assert(offsetof(ProfileRecord, ProfileSwitchIndictor) == 992);
static_assert(offsetof(ProfileRecord, pad993) == 993);
static_assert(offsetof(ProfileRecord, MacroKeyInfo) == 996);
static_assert(offsetof(ProfileRecord, XuanCaiDirection) == 8356);
static_assert(offsetof(ProfileRecord, XuanCaiSpeed) == 8360);
static_assert(offsetof(ProfileRecord, XuanCaiSpecielSpeed) == 8364);
static_assert(offsetof(ProfileRecord, NeonSpeed) == 8368);
static_assert(offsetof(ProfileRecord, NeonSpecielSpeed) == 8372);
static_assert(offsetof(ProfileRecord, NeonIntensity) == 8376);
static_assert(offsetof(ProfileRecord, QiSeSpeed) == 8380);
static_assert(offsetof(ProfileRecord, QiSeIntensity) == 8384);
static_assert(offsetof(ProfileRecord, QiSeType) == 8388);
static_assert(offsetof(ProfileRecord, QiSeSpecielSpeed) == 8392);
static_assert(offsetof(ProfileRecord, ClQiSeColor) == 8396);
static_assert(offsetof(ProfileRecord, DanSeSpeed) == 8424);
static_assert(offsetof(ProfileRecord, DanSeSpecielSpeed) == 8428);
static_assert(offsetof(ProfileRecord, DanSeIntensity) == 8432);
static_assert(offsetof(ProfileRecord, DanSeType) == 8436);

struct SettingsBlock {
    int32_t CurrentProfile;
    ProfileRecord Profiles[kProfileCount];
    int32_t MouseType;
    int32_t ButtonChanged[kProfileCount][kButtonCount];
    int32_t OptionsChanged[kProfileCount];
    int32_t OTGSpeedChanged[kProfileCount];
    int32_t ProfileIndexChanged;
    int32_t PollingRateChanged[kProfileCount];
    int32_t CpiStepChanged[kProfileCount];
    int32_t SettingsChanged[kProfileCount];
};

static_assert(sizeof(SettingsBlock) == 42632);
static_assert(offsetof(SettingsBlock, CurrentProfile) == 0);
static_assert(offsetof(SettingsBlock, Profiles) == 4);
static_assert(offsetof(SettingsBlock, MouseType) == 42204);
static_assert(offsetof(SettingsBlock, ButtonChanged) == 42208);
static_assert(offsetof(SettingsBlock, OptionsChanged) == 42528);
static_assert(offsetof(SettingsBlock, OTGSpeedChanged) == 42548);
static_assert(offsetof(SettingsBlock, ProfileIndexChanged) == 42568);
static_assert(offsetof(SettingsBlock, PollingRateChanged) == 42572);
static_assert(offsetof(SettingsBlock, CpiStepChanged) == 42592);
static_assert(offsetof(SettingsBlock, SettingsChanged) == 42612);

// True when the block's CurrentProfile may index Profiles.
inline bool IsValidProfile(int32_t index) { return index >= 0 && index < kProfileCount; }

void ClearSettingsBlock(SettingsBlock* block);
void SetAllDefaults(SettingsBlock* block);
void SetProfileDefaults(ProfileRecord* record, int index);
void SetButtonDefaults(ButtonRecord* button, int index);
void MarkChanges(const SettingsBlock* lastApplied, SettingsBlock* edited);
void MarkAllChanged(SettingsBlock* block);
void MarkProfileChanged(SettingsBlock* block, int profile);
void ClearChangeFlags(SettingsBlock* block);

// A block that came from another process or a file may hold anything: this makes every text
// end within its field and every button's event count fit its events, so that no reader can
// run past a record. Everything else is left as it is.
void MakeBlockSafe(SettingsBlock* block);
