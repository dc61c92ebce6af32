// config.ini and the five profile files beside the programs, and the file side of profile
// export and import. Every function has a form that takes the program folder explicitly
// (tests, tools) and one that uses the running program's folder.
#pragma once

#include <string>

#include "NoticeSettings.h"
#include "SettingsBlock.h"

class Registry;

constexpr int kProfileKeyCount = 111;  // distinct keys of a profile file

std::string ConfigIniPath(const std::string& folder);
// "config<sep>Default<index>.gmp" in the folder.
std::string ProfileFilePath(const std::string& folder, int index);

int LoadAllSettings(SettingsBlock* block);
int LoadAllSettings(SettingsBlock* block, const std::string& folder, Registry& registry);
int SaveAllSettings(const SettingsBlock* block);
int SaveAllSettings(const SettingsBlock* block, const std::string& folder, Registry& registry);

int LoadProfileFile(ProfileRecord* record, const std::string& path);
int SaveProfileFile(const ProfileRecord* record, const std::string& path);

int ReadFirmwareVersion();
int ReadFirmwareVersion(const std::string& folder);
void WriteHidAccessCode();
void WriteHidAccessCode(const std::string& folder, uint32_t secondsSince1970);

// false (and the record as it was) when the entry is missing or damaged.
bool ReadNoticeSettings(NoticeSettings* settings, const std::string& folder);
bool WriteNoticeSettings(const NoticeSettings* settings, const std::string& folder);

// Replaces the file at path with the profile record (the export of one profile).
bool ExportProfileFile(const ProfileRecord* record, const std::string& path);
// Makes the chosen file the current profile's own file and loads it into the current
// profile of the block, marking buttons 0-5 changed. false, with nothing changed, when the
// file cannot be read or no profile is current.
bool ImportProfileFile(SettingsBlock* block, const std::string& chosen, const std::string& folder);
