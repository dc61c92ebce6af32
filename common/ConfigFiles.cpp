#include "ConfigFiles.h"

#include <algorithm>
#include <cctype>
#include <cstdio>
#include <cstring>
#include <ctime>
#include <filesystem>
#include <system_error>
#include <vector>

#include "CIniFile.h"
#include "DebugLog.h"
#include "PointerSettings.h"
#include "ProgramFolder.h"

#ifdef _WIN32
#include <windows.h>
#endif

namespace {

const char kSetting[] = "Setting";

enum class Kind { Text, Int, Byte, Button };

struct ProfileKey {
    std::string name;
    Kind kind;
    size_t offset;
    size_t size;  // text width; unused otherwise
};

// Every key of a profile file in the order in which it is written. ColorOptions1 and
// ColorOptions2 occur twice, first for the bytes and then for the array entries: the second
// write wins in the file, and loading gives both places the file's value.
std::vector<ProfileKey> BuildProfileKeys()
{
    using R = ProfileRecord;
    std::vector<ProfileKey> keys;
    auto text = [&](const char* name, size_t offset, size_t size) { keys.push_back({name, Kind::Text, offset, size}); };
    auto ints = [&](const char* name, size_t offset) { keys.push_back({name, Kind::Int, offset, 4}); };
    auto bytes = [&](const char* name, size_t offset) { keys.push_back({name, Kind::Byte, offset, 1}); };
    auto intArray = [&](const char* name, size_t offset, int count) {
        for (int i = 0; i < count; ++i) ints((name + std::to_string(i)).c_str(), offset + 4 * i);
    };

    text("ProFileName", offsetof(R, ProFileName), sizeof R::ProFileName);
    text("GameFile", offsetof(R, GameFile), sizeof R::GameFile);
    ints("DbleClickSpeed", offsetof(R, DbleClickSpeed));
    ints("ScrollWheelSpeed", offsetof(R, ScrollWheelSpeed));
    ints("ScrollWheelFlag", offsetof(R, ScrollWheelFlag));
    ints("MouseSpeed", offsetof(R, MouseSpeed));
    ints("Acceleration", offsetof(R, Acceleration));
    ints("AccelerationFlag", offsetof(R, AccelerationFlag));
    ints("TiltSpeed", offsetof(R, TiltSpeed));
    ints("MediaOption", offsetof(R, MediaOption));
    ints("HDDKeyboard", offsetof(R, HDDKeyboard));
    ints("Orientation", offsetof(R, Orientation));
    ints("XYSynchronous", offsetof(R, XYSynchronous));
    ints("Sensitivity_X", offsetof(R, Sensitivity_X));
    ints("Sensitivity_Y", offsetof(R, Sensitivity_Y));
    ints("XYCpiFlag", offsetof(R, XYCpiFlag));
    ints("LightIntensity", offsetof(R, LightIntensity));
    ints("BreathSpeed", offsetof(R, BreathSpeed));
    ints("TimeCloseFlag", offsetof(R, TimeCloseFlag));
    intArray("CpiLevel_X", offsetof(R, CpiLevel_X), 5);
    intArray("CpiLevel_Y", offsetof(R, CpiLevel_Y), 5);
    ints("CpiStep", offsetof(R, CpiStep));
    intArray("dpiStepFlag", offsetof(R, dpiStepFlag), 5);
    for (int i = 0; i < 5; ++i) bytes(("dpiIndicator" + std::to_string(i)).c_str(), offsetof(R, dpiIndicator) + i);
    bytes("DpiIndicationType", offsetof(R, DpiIndicationType));
    ints("PollingRate", offsetof(R, PollingRate));
    ints("LiftSwitch", offsetof(R, LiftSwitch));
    ints("LiftLevel", offsetof(R, LiftLevel));
    ints("LightSwitch", offsetof(R, LightSwitch));
    ints("LightType", offsetof(R, LightType));
    ints("ColorFlag", offsetof(R, ColorFlag));
    ints("ColorChangeMode", offsetof(R, ColorChangeMode));
    ints("BTOption", offsetof(R, BTOption));
    ints("OTGSpeed", offsetof(R, OTGSpeed));
    bytes("BtnConfiguration", offsetof(R, BtnConfiguration));
    bytes("Color1Type", offsetof(R, Color1Type));
    bytes("Color2Type", offsetof(R, Color2Type));
    bytes("LightEffectSwitch1", offsetof(R, LightEffectSwitch1));
    bytes("LightEffectSwitch2", offsetof(R, LightEffectSwitch2));
    bytes("LightEffectType1", offsetof(R, LightEffectType1));
    bytes("LightEffectType2", offsetof(R, LightEffectType2));
    bytes("ColorOptions1", offsetof(R, ColorOptions1));
    bytes("ColorOptions2", offsetof(R, ColorOptions2));
    bytes("ColorChangeModeOptions1", offsetof(R, ColorChangeModeOptions1));
    bytes("ColorChangeModeOptions2", offsetof(R, ColorChangeModeOptions2));
    bytes("FireOrOnToGoStatusIndicatorSetting", offsetof(R, FireOrOnToGoStatusIndicatorSetting));
    bytes("ProfileSwitchIndictor", offsetof(R, ProfileSwitchIndictor));
    ints("XuanCaiDirection", offsetof(R, XuanCaiDirection));
    ints("XuanCaiSpeed", offsetof(R, XuanCaiSpeed));
    ints("QiSeIntensity", offsetof(R, QiSeIntensity));
    ints("QiSeSpeed", offsetof(R, QiSeSpeed));
    ints("QiSeType", offsetof(R, QiSeType));
    ints("DanSeIntensity", offsetof(R, DanSeIntensity));
    ints("DanSeSpeed", offsetof(R, DanSeSpeed));
    ints("DanSeType", offsetof(R, DanSeType));
    ints("DanSeSpecielSpeed", offsetof(R, DanSeSpecielSpeed));
    ints("XuanCaiSpecielSpeed", offsetof(R, XuanCaiSpecielSpeed));
    ints("QiSeSpecielSpeed", offsetof(R, QiSeSpecielSpeed));
    ints("NeonSpecielSpeed", offsetof(R, NeonSpecielSpeed));
    ints("NeonSpeed", offsetof(R, NeonSpeed));
    ints("NeonIntensity", offsetof(R, NeonIntensity));
    intArray("ClQiSeColor", offsetof(R, ClQiSeColor), 7);
    intArray("ColorOptions", offsetof(R, ColorOptions), 8);
    intArray("DPIColor", offsetof(R, DPIColor), 5);
    for (int b = 0; b < kButtonCount; ++b)
        keys.push_back({"MacroKeyInfo" + std::to_string(b), Kind::Button,
                        offsetof(R, MacroKeyInfo) + sizeof(ButtonRecord) * b, sizeof(ButtonRecord)});
    return keys;
}

const std::vector<ProfileKey>& ProfileKeys()
{
    static const std::vector<ProfileKey> keys = BuildProfileKeys();
    return keys;
}

// Cuts a text to its field and makes sure the field ends in NUL.
void StoreText(char* field, size_t width, const std::string& text)
{
    size_t n = std::min(text.size(), width - 1);
    std::memcpy(field, text.data(), n);
    std::memset(field + n, 0, width - n);
}

template <size_t N>
void Terminate(char (&field)[N]) { field[N - 1] = '\0'; }

std::string Trim(const std::string& s)
{
    size_t b = s.find_first_not_of(' ');
    if (b == std::string::npos) return {};
    size_t e = s.find_last_not_of(' ');
    return s.substr(b, e - b + 1);
}

bool SameTextNoCase(const std::string& a, const std::string& b)
{
    return a.size() == b.size() &&
           std::equal(a.begin(), a.end(), b.begin(), [](unsigned char x, unsigned char y) {
               return std::tolower(x) == std::tolower(y);
           });
}

void MakeHiddenArchive(const std::string& path)
{
#ifdef _WIN32
    SetFileAttributesA(path.c_str(), FILE_ATTRIBUTE_ARCHIVE | FILE_ATTRIBUTE_HIDDEN);
#else
    (void)path;
#endif
}

void MakeNormal(const std::string& path)
{
#ifdef _WIN32
    SetFileAttributesA(path.c_str(), FILE_ATTRIBUTE_NORMAL);
#else
    (void)path;
#endif
}

// Replaces target by a copy of source without ever leaving neither: the copy is made beside
// the target first, so a failed copy (or source and target being one file under two names)
// keeps the old target.
bool ReplaceWithCopy(const std::string& source, const std::string& target)
{
    namespace fs = std::filesystem;
    const std::string temp = target + ".import";
    std::error_code ec;
    fs::copy_file(source, temp, fs::copy_options::overwrite_existing, ec);
    if (ec) {
        DebugLog("ImportProfile: cannot copy %s: %s\n", source.c_str(), ec.message().c_str());
        fs::remove(temp, ec);
        return false;
    }
    MakeNormal(target);
    fs::remove(target, ec);
    fs::rename(temp, target, ec);
    if (ec) {
        DebugLog("ImportProfile: cannot replace %s: %s\n", target.c_str(), ec.message().c_str());
        fs::remove(temp, ec);
        return false;
    }
    return true;
}

}  // namespace

std::string ConfigIniPath(const std::string& folder) { return folder + "config.ini"; }

std::string ProfileFilePath(const std::string& folder, int index)
{
    return folder + "config" + kDirSep + "Default" + std::to_string(index) + ".gmp";
}

int LoadProfileFile(ProfileRecord* record, const std::string& path)
{
    const CIniFile ini(path);
    auto* base = reinterpret_cast<uint8_t*>(record);
    for (const ProfileKey& key : ProfileKeys()) {
        uint8_t* field = base + key.offset;
        switch (key.kind) {
        case Kind::Text:
            StoreText(reinterpret_cast<char*>(field), key.size, ini.GetString(kSetting, key.name.c_str(), ""));
            break;
        case Kind::Int: {
            int32_t v = ini.GetInt(kSetting, key.name.c_str(), -1);
            std::memcpy(field, &v, sizeof v);
            break;
        }
        case Kind::Byte:
            *field = static_cast<uint8_t>(ini.GetInt(kSetting, key.name.c_str(), -1) & 0xFF);
            break;
        case Kind::Button: {
            const int index = static_cast<int>((key.offset - offsetof(ProfileRecord, MacroKeyInfo)) / sizeof(ButtonRecord));
            ButtonRecord button;
            if (ini.GetStruct(kSetting, key.name.c_str(), &button, sizeof button)) {
                Terminate(button.MacroName);
                Terminate(button.ProgramPath);
            } else {
                DebugLog("LoadProfileFile: %s of %s is missing or damaged; button %d takes its default\n",
                         key.name.c_str(), path.c_str(), index);
                SetButtonDefaults(&button, index);
            }
            std::memcpy(field, &button, sizeof button);
            break;
        }
        }
    }
    return 1;
}

int SaveProfileFile(const ProfileRecord* record, const std::string& path)
{
    const CIniFile ini(path);
    const auto* base = reinterpret_cast<const uint8_t*>(record);
    for (const ProfileKey& key : ProfileKeys()) {
        const uint8_t* field = base + key.offset;
        switch (key.kind) {
        case Kind::Text: {
            // A field that lost its NUL is written only up to its width.
            const char* text = reinterpret_cast<const char*>(field);
            ini.SetString(kSetting, key.name.c_str(), std::string(text, strnlen(text, key.size)).c_str());
            break;
        }
        case Kind::Int: {
            int32_t v;
            std::memcpy(&v, field, sizeof v);
            ini.SetInt(kSetting, key.name.c_str(), v);
            break;
        }
        case Kind::Byte:
            ini.SetInt(kSetting, key.name.c_str(), *field);
            break;
        case Kind::Button:
            ini.SetStruct(kSetting, key.name.c_str(), field, sizeof(ButtonRecord));
            break;
        }
    }
    return 1;
}

int LoadAllSettings(SettingsBlock* block) { return LoadAllSettings(block, GetProgramFolder(), UserRegistry()); }

int LoadAllSettings(SettingsBlock* block, const std::string& folder, Registry& registry)
{
    const CIniFile ini(ConfigIniPath(folder));
    block->CurrentProfile = ini.GetInt(kSetting, "CurrentProfile", -1);
    block->MouseType = ini.GetInt(kSetting, "MouseType", -1);
    for (int i = 0; i < kProfileCount; ++i) {
        const std::string path = ProfileFilePath(folder, i);
        if (FileExists(path))
            LoadProfileFile(&block->Profiles[i], path);
        else
            SetProfileDefaults(&block->Profiles[i], i);
    }
    if (IsValidProfile(block->CurrentProfile))
        ReadPointerSettings(&block->Profiles[block->CurrentProfile], registry);
    return 1;
}

int SaveAllSettings(const SettingsBlock* block) { return SaveAllSettings(block, GetProgramFolder(), UserRegistry()); }

int SaveAllSettings(const SettingsBlock* block, const std::string& folder, Registry& registry)
{
    if (IsValidProfile(block->CurrentProfile))
        WritePointerSettings(&block->Profiles[block->CurrentProfile], registry);
    const CIniFile ini(ConfigIniPath(folder));
    ini.SetInt(kSetting, "CurrentProfile", block->CurrentProfile);
    ini.SetInt(kSetting, "MouseType", block->MouseType);
    for (int i = 0; i < kProfileCount; ++i) SaveProfileFile(&block->Profiles[i], ProfileFilePath(folder, i));
    return 1;
}

int ReadFirmwareVersion() { return ReadFirmwareVersion(GetProgramFolder()); }

int ReadFirmwareVersion(const std::string& folder)
{
    return CIniFile(ConfigIniPath(folder)).GetInt(kSetting, "FWVersion", 100);
}

void WriteHidAccessCode()
{
    WriteHidAccessCode(GetProgramFolder(), static_cast<uint32_t>(std::time(nullptr)));
}

void WriteHidAccessCode(const std::string& folder, uint32_t seconds)
{
    uint8_t code[16] = {};
    for (int i = 0; i < 4; ++i) code[i] = static_cast<uint8_t>(seconds >> (8 * i));
    CIniFile(ConfigIniPath(folder)).SetStruct("HidAccessCode", "Code", code, sizeof code);
}

bool ReadNoticeSettings(NoticeSettings* settings, const std::string& folder)
{
    NoticeSettings read;
    if (!CIniFile(ConfigIniPath(folder)).GetStruct("OSDSetting", "config", &read, sizeof read)) {
        DebugLog("ReadNoticeSettings: OSDSetting/config is missing or damaged\n");
        return false;
    }
    Terminate(read.Text40);
    Terminate(read.Text144);
    Terminate(read.Text244);
    *settings = read;
    return true;
}

bool WriteNoticeSettings(const NoticeSettings* settings, const std::string& folder)
{
    return CIniFile(ConfigIniPath(folder)).SetStruct("OSDSetting", "config", settings, sizeof *settings);
}

bool ExportProfileFile(const ProfileRecord* record, const std::string& path)
{
    std::error_code ec;
    MakeNormal(path);
    std::filesystem::remove(path, ec);
    SaveProfileFile(record, path);
    return FileExists(path);
}

bool ImportProfileFile(SettingsBlock* block, const std::string& chosen, const std::string& folder)
{
    if (!IsValidProfile(block->CurrentProfile) || !FileExists(chosen)) return false;
    const int current = block->CurrentProfile;
    const std::string target = ProfileFilePath(folder, current);
    if (!SameTextNoCase(Trim(chosen), target)) {
        if (!ReplaceWithCopy(chosen, target)) return false;
        MakeHiddenArchive(target);
    }
    LoadProfileFile(&block->Profiles[current], target);
    for (int b = 0; b < 6; ++b) block->ButtonChanged[current][b] = 1;
    return true;
}
