// The command that starts a media player, taken from the "open" command its installer
// registered: a quoted program path comes first, followed by its arguments.
#pragma once

#include <string>

// A value that holds a double quote is taken to begin with one: the text from its second
// character up to the next quote (or to its end). A value without quotes stands as it is.
std::string PlayerProgramOf(const std::string& openCommand);

// Whether the command names the player, ignoring ASCII case ("winamp" in "C:\WINAMP\...").
bool CommandNamesPlayer(const std::string& command, const char* playerName);
