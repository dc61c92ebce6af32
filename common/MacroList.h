// The ordered list of macros, kept in config<sep>sequence.dat, and the files that carry one
// macro (*.macro).
#pragma once

#include <string>
#include <vector>

#include "MacroRecord.h"

// More entries than this in a store are taken as damage, not as a list someone made.
constexpr int kMacroListLimit = 1024;

using MacroList = std::vector<MacroRecord>;

std::string MacroStorePath(const std::string& folder);

// Rewrites the store from scratch: "number" and keys "0".."count-1" in section "Macros".
void SaveMacroList(const MacroList& list);
void SaveMacroList(const MacroList& list, const std::string& folder);
// Appends the stored records to the list; damaged or missing entries are skipped.
void LoadMacroList(MacroList* list);
void LoadMacroList(MacroList* list, const std::string& folder);

// Replaces the file with one macro under key "0".
bool ExportMacro(const MacroRecord& record, const std::string& path);
// false (record unchanged) when key "0" is missing or damaged.
bool ImportMacro(MacroRecord* record, const std::string& path);
