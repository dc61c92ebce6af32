#include "BmpWriter.h"

#include "FileBytes.h"

namespace {

void Put16(std::vector<uint8_t>& out, uint32_t v)
{
    out.push_back(static_cast<uint8_t>(v));
    out.push_back(static_cast<uint8_t>(v >> 8));
}

void Put32(std::vector<uint8_t>& out, uint32_t v)
{
    Put16(out, v & 0xFFFF);
    Put16(out, v >> 16);
}

constexpr uint32_t kHeaderSize = 14 + 40;
constexpr uint32_t kPixelsPerMetre = 2835;  // 72 dpi

}  // namespace

std::vector<uint8_t> BmpWriter::Encode(const RgbImage& image)
{
    const uint32_t w = image.width > 0 ? static_cast<uint32_t>(image.width) : 0;
    const uint32_t h = image.height > 0 ? static_cast<uint32_t>(image.height) : 0;
    const uint32_t rowBytes = (w * 3 + 3) & ~3u;
    const uint32_t pixelBytes = rowBytes * h;

    std::vector<uint8_t> out;
    out.reserve(kHeaderSize + pixelBytes);
    out.push_back('B');
    out.push_back('M');
    Put32(out, kHeaderSize + pixelBytes);
    Put32(out, 0);  // reserved
    Put32(out, kHeaderSize);
    Put32(out, 40);
    Put32(out, w);
    Put32(out, h);  // positive height: bottom-up rows
    Put16(out, 1);  // planes
    Put16(out, 24);
    Put32(out, 0);  // BI_RGB
    Put32(out, pixelBytes);
    Put32(out, kPixelsPerMetre);
    Put32(out, kPixelsPerMetre);
    Put32(out, 0);  // colours used
    Put32(out, 0);  // important colours
    for (uint32_t row = h; row-- > 0;) {
        for (uint32_t x = 0; x < w; ++x) {
            const uint8_t* p = image.Pixel(static_cast<int>(x), static_cast<int>(row));
            out.push_back(p[2]);
            out.push_back(p[1]);
            out.push_back(p[0]);
        }
        for (uint32_t pad = w * 3; pad < rowBytes; ++pad) out.push_back(0);
    }
    return out;
}

bool BmpWriter::Write(const RgbImage& image, const std::string& path)
{
    return FileBytes::Write(path, Encode(image));
}
