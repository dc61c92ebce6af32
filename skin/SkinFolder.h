// The skins folder: every skin file and picture is looked up there and nowhere else.
#pragma once

#include <string>

// Program folder + "skins" + separator, unless SetSkinFolder chose another one.
const std::string& SkinFolder();
// For tools and tests whose skins are not beside the executable; a trailing separator is added.
void SetSkinFolder(const std::string& folder);
