#include "BmpWriter.h"

#include <gtest/gtest.h>

namespace {

RgbImage Make(int w, int h, std::initializer_list<uint8_t> rgb)
{
    RgbImage image(w, h);
    image.rgb.assign(rgb);
    return image;
}

std::vector<uint8_t> Header(uint32_t fileSize, uint32_t w, uint32_t h, uint32_t pixelBytes)
{
    auto le = [](std::vector<uint8_t>& v, uint32_t x, int n) {
        for (int i = 0; i < n; ++i) v.push_back(static_cast<uint8_t>(x >> (8 * i)));
    };
    std::vector<uint8_t> v = {'B', 'M'};
    le(v, fileSize, 4), le(v, 0, 4), le(v, 54, 4);
    le(v, 40, 4), le(v, w, 4), le(v, h, 4), le(v, 1, 2), le(v, 24, 2), le(v, 0, 4);
    le(v, pixelBytes, 4), le(v, 2835, 4), le(v, 2835, 4), le(v, 0, 4), le(v, 0, 4);
    return v;
}

}  // namespace

TEST(BmpWriter, TwoByTwoHasPaddedRowsFromTheBottomInBlueGreenRed)
{
    // Top row: red, green; bottom row: blue, white. Rows of 6 bytes padded to 8.
    const RgbImage image = Make(2, 2, {255, 0, 0, 0, 255, 0, 0, 0, 255, 255, 255, 255});
    std::vector<uint8_t> expected = Header(54 + 16, 2, 2, 16);
    const std::vector<uint8_t> pixels = {
        0xFF, 0x00, 0x00, 0xFF, 0xFF, 0xFF, 0x00, 0x00,  // bottom row: blue, white, padding
        0x00, 0x00, 0xFF, 0x00, 0xFF, 0x00, 0x00, 0x00,  // top row: red, green, padding
    };
    expected.insert(expected.end(), pixels.begin(), pixels.end());
    EXPECT_EQ(BmpWriter::Encode(image), expected);
}

TEST(BmpWriter, RowPaddingFollowsTheWidth)
{
    // Widths 1, 3 and 4 need 1, 3 and 0 bytes of padding per row.
    const struct { int width; uint32_t rowBytes; } cases[] = {{1, 4}, {3, 12}, {4, 12}};
    for (const auto& c : cases) {
        RgbImage image(c.width, 3);
        for (size_t i = 0; i < image.rgb.size(); ++i) image.rgb[i] = static_cast<uint8_t>(i + 1);
        const std::vector<uint8_t> bytes = BmpWriter::Encode(image);
        ASSERT_EQ(bytes.size(), 54 + 3 * c.rowBytes) << "width " << c.width;
        const std::vector<uint8_t> header = Header(54 + 3 * c.rowBytes, c.width, 3, 3 * c.rowBytes);
        EXPECT_TRUE(std::equal(header.begin(), header.end(), bytes.begin())) << "width " << c.width;
        // The first stored pixel is the bottom-left one, in blue, green, red order.
        const uint8_t* bottomLeft = image.Pixel(0, 2);
        EXPECT_EQ(bytes[54], bottomLeft[2]);
        EXPECT_EQ(bytes[56], bottomLeft[0]);
        for (uint32_t pad = c.width * 3; pad < c.rowBytes; ++pad) EXPECT_EQ(bytes[54 + pad], 0);
    }
}

TEST(BmpWriter, EmptyImageIsHeaderOnly)
{
    EXPECT_EQ(BmpWriter::Encode(RgbImage()), Header(54, 0, 0, 0));
}
