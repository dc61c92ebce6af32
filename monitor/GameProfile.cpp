#include "GameProfile.h"

#include <algorithm>
#include <cctype>
#include <cstring>

namespace {

std::string Lower(std::string text)
{
    std::transform(text.begin(), text.end(), text.begin(),
                   [](unsigned char c) { return static_cast<char>(std::tolower(c)); });
    return text;
}

std::string FileNameOf(const char* field, size_t width)
{
    std::string path(field, strnlen(field, width));
    const char* blanks = " \t\r\n\v\f";
    const size_t first = path.find_first_not_of(blanks);
    if (first == std::string::npos) return {};
    path = path.substr(first, path.find_last_not_of(blanks) - first + 1);
    const size_t slash = path.find_last_of("\\/:");
    return slash == std::string::npos ? path : path.substr(slash + 1);
}

}  // namespace

int FindGameProfile(const SettingsBlock& block, const std::string& programFileName)
{
    const std::string wanted = Lower(programFileName);
    for (int p = 0; p < kProfileCount; ++p) {
        const ProfileRecord& r = block.Profiles[p];
        const std::string game = FileNameOf(r.GameFile, sizeof r.GameFile);
        if (!game.empty() && Lower(game) == wanted) return p;
    }
    return -1;
}
