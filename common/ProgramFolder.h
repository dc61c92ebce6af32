// Where the programs find their files: everything lives relative to the executable's folder.
#pragma once

#include <string>

#ifdef _WIN32
constexpr char kDirSep = '\\';
#else
constexpr char kDirSep = '/';
#endif

// Folder of the running executable with a trailing separator; empty when it cannot be found.
std::string GetProgramFolder();
// True when the file can be opened for reading.
bool FileExists(const std::string& path);
