// Whole-file reads and writes for the generator's outputs.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

class FileBytes {
public:
    static bool Write(const std::string& path, const uint8_t* data, size_t size);
    static bool Write(const std::string& path, const std::vector<uint8_t>& data)
    {
        return Write(path, data.data(), data.size());
    }
    // False when the file cannot be read; text then stays empty.
    static bool ReadText(const std::string& path, std::string& text);
};
