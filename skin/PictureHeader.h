// The pixel size of a .bmp or .jpg picture read from its header, so that a picture too large
// for a window is refused before any memory is spent on decoding it.
#pragma once

#include <cstddef>
#include <cstdint>
#include <optional>

struct PictureSize {
    int width;
    int height;
};

namespace PictureHeader {

constexpr int kMaxSide = 4096;

// Size from a BMP (core or info header) or a JPEG (first frame header); nothing for other
// data or a truncated header.
std::optional<PictureSize> Read(const uint8_t* data, size_t size);
// A size the skin engine accepts: 1 to kMaxSide on each side.
bool Acceptable(const PictureSize& size);

}  // namespace PictureHeader
