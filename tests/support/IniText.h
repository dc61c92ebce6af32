// Reading an INI file's text the simple way, to check what the writers produced.
#pragma once

#include <sstream>
#include <string>
#include <utility>
#include <vector>

struct IniLine {
    std::string section;
    std::string key;
    std::string value;
};

// Every key line, with the section it stands in; lines without '=' only change the section.
inline std::vector<IniLine> IniLines(const std::string& text)
{
    std::vector<IniLine> lines;
    std::istringstream in(text);
    std::string line, section;
    while (std::getline(in, line)) {
        if (!line.empty() && line.back() == '\r') line.pop_back();
        if (!line.empty() && line.front() == '[') {
            section = line.substr(1, line.find(']') - 1);
            continue;
        }
        size_t eq = line.find('=');
        if (eq != std::string::npos) lines.push_back({section, line.substr(0, eq), line.substr(eq + 1)});
    }
    return lines;
}

// The struct form of the profile functions: two upper-case hex digits a byte, then the sum.
inline std::string StructText(const void* data, size_t size)
{
    static const char digits[] = "0123456789ABCDEF";
    const auto* bytes = static_cast<const unsigned char*>(data);
    std::string text;
    unsigned sum = 0;
    for (size_t i = 0; i < size; ++i) {
        text += digits[bytes[i] >> 4];
        text += digits[bytes[i] & 15];
        sum += bytes[i];
    }
    text += digits[(sum >> 4) & 15];
    text += digits[sum & 15];
    return text;
}
