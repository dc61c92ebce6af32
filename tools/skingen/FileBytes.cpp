#include "FileBytes.h"

#include "DebugLog.h"

#include <fstream>
#include <sstream>

bool FileBytes::Write(const std::string& path, const uint8_t* data, size_t size)
{
    std::ofstream out(path, std::ios::binary | std::ios::trunc);
    out.write(reinterpret_cast<const char*>(data), static_cast<std::streamsize>(size));
    if (!out) {
        DebugLog("skingen: cannot write %s\n", path.c_str());
        return false;
    }
    return true;
}

bool FileBytes::ReadText(const std::string& path, std::string& text)
{
    text.clear();
    std::ifstream in(path, std::ios::binary);
    if (!in) return false;
    std::ostringstream s;
    s << in.rdbuf();
    text = s.str();
    return true;
}
