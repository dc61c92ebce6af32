#include <gtest/gtest.h>

#include <cstdint>
#include <set>
#include <tuple>
#include <vector>

#include "MaskScanner.h"

namespace {

constexpr uint32_t kWhite = 0xFFFFFF;
constexpr uint32_t kBlack = 0x000000;

struct Scanned {
    std::vector<std::vector<SkinRect>> batches;
    std::vector<SkinRect> bounds;

    std::set<std::pair<int, int>> Pixels() const
    {
        std::set<std::pair<int, int>> pixels;
        for (const auto& batch : batches)
            for (const SkinRect& r : batch)
                for (int y = r.top; y < r.bottom; ++y)
                    for (int x = r.left; x < r.right; ++x) EXPECT_TRUE(pixels.insert({x, y}).second) << "overlap";
        return pixels;
    }
};

Scanned Scan(const std::vector<uint32_t>& pixels, int width, int height, uint32_t tolerance = 0)
{
    Scanned s;
    MaskScanner::Scan(pixels.data(), width, height, kWhite, tolerance,
                      [&](const std::vector<SkinRect>& rects, const SkinRect& bounds) {
                          s.batches.push_back(rects);
                          s.bounds.push_back(bounds);
                      });
    return s;
}

std::set<std::pair<int, int>> Opaque(const std::vector<uint32_t>& pixels, int width)
{
    std::set<std::pair<int, int>> opaque;
    for (size_t i = 0; i < pixels.size(); ++i)
        if (pixels[i] != kWhite) opaque.insert({int(i % width), int(i / width)});
    return opaque;
}

TEST(MaskScanner, WhiteBorderAroundAShapeGivesExactlyTheShape)
{
    // A 12 x 10 white picture with a ring-shaped opaque figure (a hole of white inside).
    const int w = 12, h = 10;
    std::vector<uint32_t> px(w * h, kWhite);
    for (int y = 2; y < 8; ++y)
        for (int x = 2; x < 10; ++x)
            if (!(y >= 4 && y < 6 && x >= 5 && x < 7)) px[y * w + x] = (x + y) % 2 ? 0x123456 : 0xFEFFFF;
    const Scanned s = Scan(px, w, h);
    EXPECT_EQ(s.Pixels(), Opaque(px, w));
    ASSERT_EQ(s.batches.size(), 1u);
    EXPECT_EQ(s.batches[0].size(), 8u);  // one run per row, two on the rows with the hole
    EXPECT_EQ(s.bounds[0].left, 2);
    EXPECT_EQ(s.bounds[0].top, 2);
    EXPECT_EQ(s.bounds[0].right, 10);
    EXPECT_EQ(s.bounds[0].bottom, 8);
}

TEST(MaskScanner, SingleOpaquePixelIsOneByOne)
{
    std::vector<uint32_t> px(5 * 3, kWhite);
    px[1 * 5 + 3] = kBlack;
    const Scanned s = Scan(px, 5, 3);
    ASSERT_EQ(s.batches.size(), 1u);
    ASSERT_EQ(s.batches[0].size(), 1u);
    const SkinRect r = s.batches[0][0];
    EXPECT_EQ(std::tie(r.left, r.top, r.right, r.bottom), std::make_tuple(3, 1, 4, 2));
}

TEST(MaskScanner, AllWhiteGivesNothingAndAllOpaqueOneRunPerRow)
{
    EXPECT_TRUE(Scan(std::vector<uint32_t>(8 * 4, kWhite), 8, 4).batches.empty());
    const Scanned s = Scan(std::vector<uint32_t>(8 * 4, kBlack), 8, 4);
    ASSERT_EQ(s.batches.size(), 1u);
    ASSERT_EQ(s.batches[0].size(), 4u);
    for (int y = 0; y < 4; ++y) {
        EXPECT_EQ(s.batches[0][y].left, 0);
        EXPECT_EQ(s.batches[0][y].right, 8);
        EXPECT_EQ(s.batches[0][y].top, y);
    }
}

TEST(MaskScanner, MoreThan2000RunsComeInBatchesCoveringEveryPixel)
{
    // A checkerboard: every other pixel opaque, 50 runs per row, 4500 runs in all.
    const int w = 100, h = 90;
    std::vector<uint32_t> px(w * h, kWhite);
    for (int y = 0; y < h; ++y)
        for (int x = (y % 2); x < w; x += 2) px[y * w + x] = kBlack;
    const Scanned s = Scan(px, w, h);
    ASSERT_EQ(s.batches.size(), 3u);
    EXPECT_EQ(s.batches[0].size(), 2000u);
    EXPECT_EQ(s.batches[1].size(), 2000u);
    EXPECT_EQ(s.batches[2].size(), 500u);
    EXPECT_EQ(s.Pixels(), Opaque(px, w));
    // Each batch's bounds start afresh: the last batch begins at row 80.
    EXPECT_EQ(s.bounds[2].top, 80);
    EXPECT_EQ(s.bounds[2].bottom, 90);
}

TEST(MaskScanner, ToleranceWidensTheTransparentRangePerComponent)
{
    // Key white with tolerance: only values >= 255 are transparent anyway (the range is
    // capped at 255), so use the key colour black with a tolerance of 0x10 in red only.
    const std::vector<uint32_t> px = {0x000000, 0x100000, 0x110000, 0x000001};
    std::vector<SkinRect> runs;
    MaskScanner::Scan(px.data(), 4, 1, 0x000000, 0x000010,
                      [&](const std::vector<SkinRect>& r, const SkinRect&) { runs = r; });
    ASSERT_EQ(runs.size(), 1u);
    EXPECT_EQ(runs[0].left, 2);
    EXPECT_EQ(runs[0].right, 4);
}

}  // namespace
