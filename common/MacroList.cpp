#include "MacroList.h"

#include <algorithm>
#include <cstdio>
#include <filesystem>
#include <system_error>

#include "CIniFile.h"
#include "DebugLog.h"
#include "ProgramFolder.h"

namespace {

const char kMacros[] = "Macros";

bool ReadRecord(const CIniFile& ini, int key, MacroRecord* record)
{
    MacroRecord read;
    if (!ini.GetStruct(kMacros, std::to_string(key).c_str(), &read, sizeof read)) return false;
    SanitizeMacroRecord(&read);
    *record = read;
    return true;
}

}  // namespace

std::string MacroStorePath(const std::string& folder) { return folder + "config" + kDirSep + "sequence.dat"; }

void SaveMacroList(const MacroList& list) { SaveMacroList(list, GetProgramFolder()); }

void SaveMacroList(const MacroList& list, const std::string& folder)
{
    // The store is rebuilt in a file of its own and only then put in place, so that a failed
    // write (a full disk, a read-only folder) never costs the macros already saved.
    const std::string path = MacroStorePath(folder);
    const CIniFile ini(path + ".new");
    std::remove(ini.Path().c_str());
    bool written = ini.SetInt(kMacros, "number", static_cast<int>(list.size()));
    for (size_t k = 0; written && k < list.size(); ++k)
        written = ini.SetStruct(kMacros, std::to_string(k).c_str(), &list[k], sizeof(MacroRecord));
    std::error_code ec;
    if (written) std::filesystem::rename(ini.Path(), path, ec);
    if (!written || ec) {
        DebugLog("SaveMacroList: cannot write %s; the stored macros are kept\n", path.c_str());
        std::remove(ini.Path().c_str());
    }
}

void LoadMacroList(MacroList* list) { LoadMacroList(list, GetProgramFolder()); }

void LoadMacroList(MacroList* list, const std::string& folder)
{
    const CIniFile ini(MacroStorePath(folder));
    int count = ini.GetInt(kMacros, "number", -1);
    if (count > kMacroListLimit) {
        DebugLog("LoadMacroList: %s claims %d macros; reading the first %d\n", ini.Path().c_str(), count,
                 kMacroListLimit);
        count = kMacroListLimit;
    }
    for (int k = 0; k < count; ++k) {
        MacroRecord record;
        if (ReadRecord(ini, k, &record))
            list->push_back(record);
        else
            DebugLog("LoadMacroList: macro %d of %s is missing or damaged; skipped\n", k, ini.Path().c_str());
    }
}

bool ExportMacro(const MacroRecord& record, const std::string& path)
{
    std::remove(path.c_str());
    return CIniFile(path).SetStruct(kMacros, "0", &record, sizeof record);
}

bool ImportMacro(MacroRecord* record, const std::string& path)
{
    if (ReadRecord(CIniFile(path), 0, record)) return true;
    DebugLog("ImportMacro: %s holds no readable macro\n", path.c_str());
    return false;
}
