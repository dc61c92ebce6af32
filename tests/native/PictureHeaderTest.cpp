#include <gtest/gtest.h>

#include <cstdint>
#include <vector>

#include "PictureHeader.h"

namespace {

std::vector<uint8_t> Bmp(int32_t width, int32_t height)
{
    std::vector<uint8_t> b(54, 0);
    b[0] = 'B';
    b[1] = 'M';
    b[14] = 40;
    for (int i = 0; i < 4; ++i) {
        b[18 + i] = uint8_t(uint32_t(width) >> (8 * i));
        b[22 + i] = uint8_t(uint32_t(height) >> (8 * i));
    }
    return b;
}

TEST(PictureHeader, Bitmaps)
{
    auto s = PictureHeader::Read(Bmp(400, 300).data(), 54);
    ASSERT_TRUE(s);
    EXPECT_EQ(s->width, 400);
    EXPECT_EQ(s->height, 300);
    s = PictureHeader::Read(Bmp(20, -30).data(), 54);  // top-down rows
    ASSERT_TRUE(s);
    EXPECT_EQ(s->height, 30);
    const std::vector<uint8_t> core = {'B', 'M', 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 12, 0, 0, 0, 0x10, 0, 0x20, 0, 1, 0, 24, 0};
    s = PictureHeader::Read(core.data(), core.size());
    ASSERT_TRUE(s);
    EXPECT_EQ(s->width, 16);
    EXPECT_EQ(s->height, 32);
    EXPECT_FALSE(PictureHeader::Read(Bmp(4, 4).data(), 20));  // truncated
    EXPECT_FALSE(PictureHeader::Read(Bmp(-4, 4).data(), 54));
}

TEST(PictureHeader, Jpeg)
{
    // SOI, an APP0 segment of 16 bytes, then a baseline frame header of 4097 x 2 (height 2).
    std::vector<uint8_t> j = {0xFF, 0xD8, 0xFF, 0xE0, 0x00, 0x10};
    j.resize(j.size() + 14, 0);
    const std::vector<uint8_t> sof = {0xFF, 0xC0, 0x00, 0x11, 0x08, 0x00, 0x02, 0x10, 0x01, 0x03};
    j.insert(j.end(), sof.begin(), sof.end());
    auto s = PictureHeader::Read(j.data(), j.size());
    ASSERT_TRUE(s);
    EXPECT_EQ(s->width, 4097);
    EXPECT_EQ(s->height, 2);
    EXPECT_FALSE(PictureHeader::Acceptable(*s));
    // A scan before any frame, and a cut-off segment, give nothing.
    const std::vector<uint8_t> scan = {0xFF, 0xD8, 0xFF, 0xDA, 0x00, 0x08, 0, 0, 0, 0, 0, 0};
    EXPECT_FALSE(PictureHeader::Read(scan.data(), scan.size()));
    EXPECT_FALSE(PictureHeader::Read(j.data(), 22));
}

TEST(PictureHeader, LimitsAndOtherData)
{
    EXPECT_TRUE(PictureHeader::Acceptable({4096, 4096}));
    EXPECT_TRUE(PictureHeader::Acceptable({1, 1}));
    EXPECT_FALSE(PictureHeader::Acceptable({4097, 1}));
    EXPECT_FALSE(PictureHeader::Acceptable({1, 4097}));
    EXPECT_FALSE(PictureHeader::Acceptable({0, 10}));
    const uint8_t gif[] = {'G', 'I', 'F', '8', '9', 'a', 1, 0, 1, 0};
    EXPECT_FALSE(PictureHeader::Read(gif, sizeof gif));
    EXPECT_FALSE(PictureHeader::Read(nullptr, 0));
}

}  // namespace
