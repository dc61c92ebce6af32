// The program the user is working in: the lower-cased file name of the process that owns the
// foreground window, or "unknown".
#pragma once

#include <string>

std::string ForegroundProgramName();
