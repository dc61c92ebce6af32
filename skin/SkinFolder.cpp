#include "SkinFolder.h"

#include "ProgramFolder.h"

namespace {

std::string& Folder()
{
    static std::string folder = GetProgramFolder() + "skins" + kDirSep;
    return folder;
}

}  // namespace

const std::string& SkinFolder() { return Folder(); }

void SetSkinFolder(const std::string& folder)
{
    Folder() = folder;
    if (!folder.empty() && folder.back() != '\\' && folder.back() != '/') Folder() += kDirSep;
}
