// Writes 24-bit Windows bitmaps: the format the masks and the slider thumbs must have, since
// their colours are compared exactly (a lossy format would turn pure white into near-white).
#pragma once

#include "RgbImage.h"

#include <cstdint>
#include <string>
#include <vector>

class BmpWriter {
public:
    // The whole file: 14-byte file header, 40-byte info header, then the rows from the bottom
    // up in blue, green, red order, each padded with zeros to a multiple of 4 bytes.
    static std::vector<uint8_t> Encode(const RgbImage& image);
    static bool Write(const RgbImage& image, const std::string& path);
};
