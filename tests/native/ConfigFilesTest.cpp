#include "ConfigFiles.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cstring>
#include <filesystem>
#include <memory>
#include <set>

#include "CIniFile.h"
#include "IniText.h"
#include "MemoryRegistry.h"
#include "TempDir.h"

namespace {

const char kMouse[] = "Control Panel\\Mouse";
const char kDesktop[] = "Control Panel\\Desktop";

class ConfigFilesTest : public ::testing::Test {
protected:
    void SetUp() override { std::filesystem::create_directories(dir.Folder() + "config"); }

    static std::unique_ptr<SettingsBlock> ClearedBlock()
    {
        auto b = std::make_unique<SettingsBlock>();
        std::memset(b.get(), 0xEE, sizeof *b);
        ClearSettingsBlock(b.get());
        return b;
    }

    static ProfileRecord DefaultProfile(int index)
    {
        ProfileRecord r{};
        SetProfileDefaults(&r, index);
        return r;
    }

    TempDir dir;
    MemoryRegistry registry;
};

TEST_F(ConfigFilesTest, ExportedDefaultProfileHasOneSectionAndTheKeysInOrder)
{
    const ProfileRecord r = DefaultProfile(0);
    const std::string path = dir.File("export.gmp");
    SaveProfileFile(&r, path);

    const std::vector<IniLine> lines = IniLines(TempDir::Read(path));
    std::vector<std::string> keys;
    for (const IniLine& l : lines) {
        EXPECT_EQ("Setting", l.section);
        keys.push_back(l.key);
    }
    std::vector<std::string> expected = {
        "ProFileName", "GameFile", "DbleClickSpeed", "ScrollWheelSpeed", "ScrollWheelFlag", "MouseSpeed",
        "Acceleration", "AccelerationFlag", "TiltSpeed", "MediaOption", "HDDKeyboard", "Orientation",
        "XYSynchronous", "Sensitivity_X", "Sensitivity_Y", "XYCpiFlag", "LightIntensity", "BreathSpeed",
        "TimeCloseFlag", "CpiLevel_X0", "CpiLevel_X1", "CpiLevel_X2", "CpiLevel_X3", "CpiLevel_X4",
        "CpiLevel_Y0", "CpiLevel_Y1", "CpiLevel_Y2", "CpiLevel_Y3", "CpiLevel_Y4", "CpiStep", "dpiStepFlag0",
        "dpiStepFlag1", "dpiStepFlag2", "dpiStepFlag3", "dpiStepFlag4", "dpiIndicator0", "dpiIndicator1",
        "dpiIndicator2", "dpiIndicator3", "dpiIndicator4", "DpiIndicationType", "PollingRate", "LiftSwitch",
        "LiftLevel", "LightSwitch", "LightType", "ColorFlag", "ColorChangeMode", "BTOption", "OTGSpeed",
        "BtnConfiguration", "Color1Type", "Color2Type", "LightEffectSwitch1", "LightEffectSwitch2",
        "LightEffectType1", "LightEffectType2", "ColorOptions1", "ColorOptions2", "ColorChangeModeOptions1",
        "ColorChangeModeOptions2", "FireOrOnToGoStatusIndicatorSetting", "ProfileSwitchIndictor",
        "XuanCaiDirection", "XuanCaiSpeed", "QiSeIntensity", "QiSeSpeed", "QiSeType", "DanSeIntensity",
        "DanSeSpeed", "DanSeType", "DanSeSpecielSpeed", "XuanCaiSpecielSpeed", "QiSeSpecielSpeed",
        "NeonSpecielSpeed", "NeonSpeed", "NeonIntensity", "ClQiSeColor0", "ClQiSeColor1", "ClQiSeColor2",
        "ClQiSeColor3", "ClQiSeColor4", "ClQiSeColor5", "ClQiSeColor6", "ColorOptions0",
        // ColorOptions1 and ColorOptions2 of the array land on the keys written for the bytes.
        "ColorOptions3", "ColorOptions4", "ColorOptions5", "ColorOptions6", "ColorOptions7", "DPIColor0",
        "DPIColor1", "DPIColor2", "DPIColor3", "DPIColor4"};
    for (int b = 0; b < 16; ++b) expected.push_back("MacroKeyInfo" + std::to_string(b));
    EXPECT_EQ(expected, keys);
    EXPECT_EQ(size_t(kProfileKeyCount), std::set<std::string>(keys.begin(), keys.end()).size());

    auto value = [&](const std::string& key) {
        auto it = std::find_if(lines.begin(), lines.end(), [&](const IniLine& l) { return l.key == key; });
        return it == lines.end() ? std::string("<missing>") : it->value;
    };
    EXPECT_EQ("Default1", value("ProFileName"));
    EXPECT_EQ("", value("GameFile"));
    EXPECT_EQ("550", value("DbleClickSpeed"));
    EXPECT_EQ("255", value("DPIColor0"));
    EXPECT_EQ("16711935", value("ClQiSeColor0"));
    EXPECT_EQ("3", value("ColorOptions2"));  // the array entry, not the byte
    EXPECT_EQ(StructText(&r.MacroKeyInfo[15], sizeof(ButtonRecord)), value("MacroKeyInfo15"));
}

TEST_F(ConfigFilesTest, SaveAndLoadReproduceTheRecord)
{
    ProfileRecord r = DefaultProfile(2);
    std::strcpy(r.ProFileName, "Night raid");
    std::strcpy(r.GameFile, "C:\\Games\\raid.exe");
    r.Acceleration = -7;
    r.CpiLevel_X[4] = 2147483647;
    r.DPIColor[1] = static_cast<int32_t>(0x80000000u);
    r.dpiIndicator[2] = 200;
    r.LiftSwitch = 1;
    r.ColorOptions[1] = 3;
    r.ColorOptions1 = 5;  // shares its key with the array entry: the array value wins
    r.MacroKeyInfo[7].FunctionCode = 16;
    std::strcpy(r.MacroKeyInfo[7].MacroName, "burst");
    r.MacroKeyInfo[7].EventCount = 40;
    std::memset(r.MacroKeyInfo[7].Events, 0xFF, sizeof r.MacroKeyInfo[7].Events);
    std::strcpy(r.MacroKeyInfo[9].ProgramPath, "C:\\Windows\\notepad.exe");
    const std::string path = dir.File("round.gmp");
    SaveProfileFile(&r, path);

    ProfileRecord loaded;
    std::memset(&loaded, 0x33, sizeof loaded);
    LoadProfileFile(&loaded, path);

    ProfileRecord expected = r;
    expected.ColorOptions1 = 3;
    expected.ColorOptions2 = static_cast<uint8_t>(r.ColorOptions[2]);
    std::memcpy(expected.pad890, loaded.pad890, sizeof expected.pad890);
    std::memcpy(expected.pad993, loaded.pad993, sizeof expected.pad993);
    EXPECT_EQ(3, loaded.ColorOptions[1]);
    EXPECT_EQ(0, std::memcmp(&expected, &loaded, sizeof expected));
}

TEST_F(ConfigFilesTest, MissingAndDamagedEntriesGiveDefinedValues)
{
    const ProfileRecord good = DefaultProfile(0);
    const std::string path = dir.File("damaged.gmp");
    const CIniFile ini(path);
    ini.SetString("Setting", "ProFileName", std::string(300, 'n').c_str());
    ini.SetString("Setting", "DbleClickSpeed", "fast");
    ini.SetStruct("Setting", "MacroKeyInfo0", &good.MacroKeyInfo[0], sizeof(ButtonRecord));
    ini.SetStruct("Setting", "MacroKeyInfo1", &good.MacroKeyInfo[1], 459);  // wrong length
    ButtonRecord unterminated = good.MacroKeyInfo[2];
    std::memset(unterminated.MacroName, 'm', sizeof unterminated.MacroName);
    std::memset(unterminated.ProgramPath, 'p', sizeof unterminated.ProgramPath);
    unterminated.FunctionCode = 16;
    ini.SetStruct("Setting", "MacroKeyInfo2", &unterminated, sizeof unterminated);
    ButtonRecord corrupt = good.MacroKeyInfo[3];
    corrupt.FunctionCode = 99;
    ini.SetStruct("Setting", "MacroKeyInfo3", &corrupt, sizeof corrupt);
    std::string text = TempDir::Read(path);
    const std::string good3 = StructText(&corrupt, sizeof corrupt);
    std::string bad3 = good3;
    bad3[bad3.size() - 1] = bad3.back() == '0' ? '1' : '0';  // checksum off by one
    text.replace(text.find(good3), good3.size(), bad3);
    TempDir::Write(path, text);

    ProfileRecord r;
    std::memset(&r, 0x44, sizeof r);
    LoadProfileFile(&r, path);

    EXPECT_EQ(std::string(249, 'n'), r.ProFileName);
    EXPECT_STREQ("", r.GameFile);
    EXPECT_EQ(0, r.DbleClickSpeed);  // not a number
    EXPECT_EQ(-1, r.MouseSpeed);     // missing
    EXPECT_EQ(255, r.dpiIndicator[0]);
    EXPECT_EQ(255, r.ProfileSwitchIndictor);
    ButtonRecord def{};
    for (int b : {0, 1, 3, 4, 15}) {
        SetButtonDefaults(&def, b);
        EXPECT_EQ(0, std::memcmp(&def, &r.MacroKeyInfo[b], sizeof def)) << "button " << b;
    }
    EXPECT_EQ(16, r.MacroKeyInfo[2].FunctionCode);
    EXPECT_EQ(std::string(24, 'm'), r.MacroKeyInfo[2].MacroName);
    EXPECT_EQ(std::string(261, 'p'), r.MacroKeyInfo[2].ProgramPath);
}

TEST_F(ConfigFilesTest, LoadingWithoutAnyFileGivesDefaultsAndNoProfile)
{
    auto b = ClearedBlock();
    LoadAllSettings(b.get(), dir.Folder(), registry);
    EXPECT_EQ(-1, b->CurrentProfile);
    EXPECT_EQ(-1, b->MouseType);
    for (int i = 0; i < kProfileCount; ++i) {
        EXPECT_EQ("Default" + std::to_string(i + 1), b->Profiles[i].ProFileName);
        EXPECT_EQ(0, b->Profiles[i].LiftSwitch);
        EXPECT_EQ(0, b->Profiles[i].BTOption);
        EXPECT_EQ(0, b->Profiles[i].dpiIndicator[4]);
    }
    EXPECT_FALSE(registry.HasKey(kMouse));  // no current profile: Windows is not asked
}

TEST_F(ConfigFilesTest, SaveThenLoadAllTakesThePointerSettingsFromWindows)
{
    auto b = ClearedBlock();
    SetAllDefaults(b.get());
    b->CurrentProfile = 2;
    b->MouseType = 7;
    std::strcpy(b->Profiles[4].ProFileName, "Five");
    b->Profiles[2].DbleClickSpeed = 400;
    SaveAllSettings(b.get(), dir.Folder(), registry);

    EXPECT_EQ("400", registry.Value(kMouse, "DoubleClickSpeed").value_or(""));
    EXPECT_EQ("3", registry.Value(kDesktop, "WheelScrollLines").value_or(""));
    const CIniFile config(ConfigIniPath(dir.Folder()));
    EXPECT_EQ(2, config.GetInt("Setting", "CurrentProfile", -1));
    EXPECT_EQ(7, config.GetInt("Setting", "MouseType", -1));

    registry.SetValue(kMouse, "DoubleClickSpeed", "900");  // the user changed it in Windows
    auto loaded = ClearedBlock();
    LoadAllSettings(loaded.get(), dir.Folder(), registry);
    EXPECT_EQ(2, loaded->CurrentProfile);
    EXPECT_EQ(7, loaded->MouseType);
    EXPECT_STREQ("Five", loaded->Profiles[4].ProFileName);
    EXPECT_EQ(900, loaded->Profiles[2].DbleClickSpeed);
    EXPECT_EQ(550, loaded->Profiles[1].DbleClickSpeed);
}

TEST_F(ConfigFilesTest, FirmwareVersionAndAccessCode)
{
    EXPECT_EQ(100, ReadFirmwareVersion(dir.Folder()));
    CIniFile(ConfigIniPath(dir.Folder())).SetInt("Setting", "FWVersion", 104);
    EXPECT_EQ(104, ReadFirmwareVersion(dir.Folder()));

    WriteHidAccessCode(dir.Folder(), 0x12345678u);
    bool found = false;
    for (const IniLine& l : IniLines(TempDir::Read(ConfigIniPath(dir.Folder())))) {
        if (l.section != "HidAccessCode") continue;
        EXPECT_EQ("Code", l.key);
        EXPECT_EQ("78563412" + std::string(24, '0') + "14", l.value);
        found = true;
    }
    EXPECT_TRUE(found);
}

TEST_F(ConfigFilesTest, NoticeSettingsRoundTripAndRefuseDamage)
{
    NoticeSettings s;
    ResetNoticeSettings(&s);
    s.ProfileNotice = 1;
    std::strcpy(s.Text144, "hello");
    ASSERT_TRUE(WriteNoticeSettings(&s, dir.Folder()));
    NoticeSettings read;
    std::memset(&read, 0, sizeof read);
    ASSERT_TRUE(ReadNoticeSettings(&read, dir.Folder()));
    EXPECT_EQ(0, std::memcmp(&s, &read, sizeof s));
    EXPECT_EQ(110, read.Value140);
    EXPECT_EQ(5, read.Value344);

    CIniFile(ConfigIniPath(dir.Folder())).SetStruct("OSDSetting", "config", &s, 100);
    NoticeSettings untouched = read;
    EXPECT_FALSE(ReadNoticeSettings(&read, dir.Folder()));
    EXPECT_EQ(0, std::memcmp(&untouched, &read, sizeof read));
}

TEST_F(ConfigFilesTest, ExportReplacesTheWholeFile)
{
    const std::string path = dir.File("mine.gmp");
    TempDir::Write(path, "[Other]\r\nstale=1\r\n");
    const ProfileRecord r = DefaultProfile(1);
    ASSERT_TRUE(ExportProfileFile(&r, path));
    for (const IniLine& l : IniLines(TempDir::Read(path))) EXPECT_EQ("Setting", l.section) << l.key;
}

TEST_F(ConfigFilesTest, ImportCopiesToTheCurrentProfileAndMarksItsFirstButtons)
{
    ProfileRecord other = DefaultProfile(0);
    std::strcpy(other.ProFileName, "Imported");
    other.PollingRate = 0;
    const std::string chosen = dir.File("shared.gmp");
    ASSERT_TRUE(ExportProfileFile(&other, chosen));

    auto b = ClearedBlock();
    SetAllDefaults(b.get());
    b->CurrentProfile = 3;
    ASSERT_TRUE(ImportProfileFile(b.get(), chosen, dir.Folder()));
    EXPECT_STREQ("Imported", b->Profiles[3].ProFileName);
    EXPECT_EQ(0, b->Profiles[3].PollingRate);
    EXPECT_STREQ("Default3", b->Profiles[2].ProFileName);
    for (int i = 0; i < kButtonCount; ++i) EXPECT_EQ(i < 6 ? 1 : 0, b->ButtonChanged[3][i]) << i;
    EXPECT_EQ(TempDir::Read(chosen), TempDir::Read(ProfileFilePath(dir.Folder(), 3)));
    EXPECT_TRUE(FileExists(chosen));

    // Importing the current profile's own file loads it and keeps it.
    const std::string own = ProfileFilePath(dir.Folder(), 3);
    std::strcpy(b->Profiles[3].ProFileName, "edited");
    ASSERT_TRUE(ImportProfileFile(b.get(), own, dir.Folder()));
    EXPECT_STREQ("Imported", b->Profiles[3].ProFileName);
    EXPECT_EQ(TempDir::Read(chosen), TempDir::Read(own));
}

TEST_F(ConfigFilesTest, ImportThatCannotHappenChangesNothing)
{
    auto b = ClearedBlock();
    SetAllDefaults(b.get());
    const std::string own = ProfileFilePath(dir.Folder(), 0);
    const ProfileRecord r = DefaultProfile(0);
    SaveProfileFile(&r, own);
    const std::string before = TempDir::Read(own);
    auto copy = std::make_unique<SettingsBlock>(*b);

    EXPECT_FALSE(ImportProfileFile(b.get(), dir.File("absent.gmp"), dir.Folder()));
    b->CurrentProfile = -1;
    copy->CurrentProfile = -1;
    const std::string chosen = dir.File("x.gmp");
    SaveProfileFile(&r, chosen);
    EXPECT_FALSE(ImportProfileFile(b.get(), chosen, dir.Folder()));
    EXPECT_EQ(0, std::memcmp(copy.get(), b.get(), sizeof *b));
    EXPECT_EQ(before, TempDir::Read(own));
}

}  // namespace
