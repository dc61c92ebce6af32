// A picture as the generator hands it to the encoders: rows from the top, three bytes per
// pixel in the order red, green, blue, no padding.
#pragma once

#include <cstddef>
#include <cstdint>
#include <vector>

struct RgbImage {
    int width = 0;
    int height = 0;
    std::vector<uint8_t> rgb;

    RgbImage() = default;
    RgbImage(int w, int h) : width(w), height(h), rgb(static_cast<size_t>(w) * h * 3, 0) {}

    const uint8_t* Pixel(int x, int y) const { return &rgb[(static_cast<size_t>(y) * width + x) * 3]; }
    uint8_t* Pixel(int x, int y) { return &rgb[(static_cast<size_t>(y) * width + x) * 3]; }
};
