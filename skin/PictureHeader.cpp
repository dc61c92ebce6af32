#include "PictureHeader.h"

#include <cstdlib>

namespace {

uint32_t Le16(const uint8_t* p) { return p[0] | (p[1] << 8); }
uint32_t Le32(const uint8_t* p) { return Le16(p) | (Le16(p + 2) << 16); }
uint32_t Be16(const uint8_t* p) { return (p[0] << 8) | p[1]; }

std::optional<PictureSize> ReadBmp(const uint8_t* d, size_t n)
{
    if (n < 26) return std::nullopt;
    const uint32_t headerSize = Le32(d + 14);
    if (headerSize == 12) return PictureSize{static_cast<int>(Le16(d + 18)), static_cast<int>(Le16(d + 20))};
    if (headerSize < 40 || n < 26) return std::nullopt;
    const int64_t w = static_cast<int32_t>(Le32(d + 18));
    const int64_t h = static_cast<int32_t>(Le32(d + 22));  // negative for top-down rows
    if (w < 0 || w > INT32_MAX || std::llabs(h) > INT32_MAX) return std::nullopt;
    return PictureSize{static_cast<int>(w), static_cast<int>(std::llabs(h))};
}

std::optional<PictureSize> ReadJpeg(const uint8_t* d, size_t n)
{
    size_t i = 2;
    while (i + 4 <= n) {
        if (d[i] != 0xFF) return std::nullopt;
        const uint8_t marker = d[i + 1];
        if (marker == 0xFF) { ++i; continue; }  // fill byte
        if (marker == 0x01 || (marker >= 0xD0 && marker <= 0xD7)) { i += 2; continue; }  // no length
        if (marker == 0xD9 || marker == 0xDA) return std::nullopt;  // image data before any frame
        const size_t length = Be16(d + i + 2);
        if (length < 2) return std::nullopt;
        const bool frame = marker >= 0xC0 && marker <= 0xCF && marker != 0xC4 && marker != 0xC8 && marker != 0xCC;
        if (frame) {
            if (i + 9 > n) return std::nullopt;
            return PictureSize{static_cast<int>(Be16(d + i + 7)), static_cast<int>(Be16(d + i + 5))};
        }
        i += 2 + length;
    }
    return std::nullopt;
}

}  // namespace

namespace PictureHeader {

std::optional<PictureSize> Read(const uint8_t* data, size_t size)
{
    if (size >= 2 && data[0] == 'B' && data[1] == 'M') return ReadBmp(data, size);
    if (size >= 3 && data[0] == 0xFF && data[1] == 0xD8 && data[2] == 0xFF) return ReadJpeg(data, size);
    return std::nullopt;
}

bool Acceptable(const PictureSize& s) { return s.width >= 1 && s.height >= 1 && s.width <= kMaxSide && s.height <= kMaxSide; }

}  // namespace PictureHeader
