#include "PlayerCommandLine.h"

#include <algorithm>
#include <cctype>

std::string PlayerProgramOf(const std::string& openCommand)
{
    if (openCommand.find('"') == std::string::npos) return openCommand;
    if (openCommand.size() < 2) return {};
    const std::size_t end = openCommand.find('"', 1);
    return openCommand.substr(1, end == std::string::npos ? std::string::npos : end - 1);
}

bool CommandNamesPlayer(const std::string& command, const char* playerName)
{
    const std::string name(playerName);
    const auto lower = [](unsigned char c) { return std::tolower(c); };
    return !name.empty() && std::search(command.begin(), command.end(), name.begin(), name.end(),
                                        [&](char a, char b) { return lower(a) == lower(b); }) != command.end();
}
