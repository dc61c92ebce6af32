// Reads a window's layout description (resources/skins/*.layout). One statement per line;
// "#" starts a comment; texts are in double quotes. Every bad line is reported as
// "file:line: message" and the rest of the file is still checked.
#pragma once

#include "SkinLayout.h"

#include <string>
#include <string_view>
#include <vector>

struct LayoutParseResult {
    SkinLayout layout;
    std::vector<std::string> errors;
    bool Ok() const { return errors.empty(); }
};

class LayoutParser {
public:
    static constexpr size_t kMaxLineLength = 1000;
    static constexpr int kMaxWindowSide = 4000;

    static LayoutParseResult Parse(std::string_view text, const std::string& fileName);
};
