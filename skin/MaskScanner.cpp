#include "MaskScanner.h"

#include <algorithm>

namespace {

struct Range {
    uint32_t low, high;
    bool Contains(uint32_t v) const { return v >= low && v <= high; }
};

Range ComponentRange(uint32_t key, uint32_t tolerance, int shift)
{
    const uint32_t k = (key >> shift) & 0xFF;
    return {k, std::min<uint32_t>(255, k + ((tolerance >> shift) & 0xFF))};
}

class Collector {
public:
    explicit Collector(const MaskScanner::Flush& flush) : m_flush(flush) { m_rects.reserve(MaskScanner::kGrowth); }

    void Add(const SkinRect& r)
    {
        if (m_rects.size() == m_rects.capacity()) m_rects.reserve(m_rects.capacity() + MaskScanner::kGrowth);
        if (m_rects.empty()) {
            m_bounds = r;
        } else {
            m_bounds.left = std::min(m_bounds.left, r.left);
            m_bounds.top = std::min(m_bounds.top, r.top);
            m_bounds.right = std::max(m_bounds.right, r.right);
            m_bounds.bottom = std::max(m_bounds.bottom, r.bottom);
        }
        m_rects.push_back(r);
        if (m_rects.size() == MaskScanner::kBatchSize) Flush();
    }

    void Flush()
    {
        if (m_rects.empty()) return;
        m_flush(m_rects, m_bounds);
        m_rects.clear();
        m_bounds = {};
    }

private:
    const MaskScanner::Flush& m_flush;
    std::vector<SkinRect> m_rects;
    SkinRect m_bounds;
};

}  // namespace

void MaskScanner::Scan(const uint32_t* pixels, int width, int height, uint32_t key, uint32_t tolerance,
                       const Flush& flush)
{
    // Pixel values are 0x00RRGGBB, colour values 0x00BBGGRR.
    const Range red = ComponentRange(key, tolerance, 0);
    const Range green = ComponentRange(key, tolerance, 8);
    const Range blue = ComponentRange(key, tolerance, 16);
    const auto transparent = [&](uint32_t p) {
        return red.Contains((p >> 16) & 0xFF) && green.Contains((p >> 8) & 0xFF) && blue.Contains(p & 0xFF);
    };

    Collector collector(flush);
    for (int y = 0; y < height; ++y) {
        const uint32_t* row = pixels + static_cast<size_t>(y) * static_cast<size_t>(width);
        for (int x = 0; x < width; ++x) {
            if (transparent(row[x])) continue;
            const int start = x;
            while (x + 1 < width && !transparent(row[x + 1])) ++x;
            collector.Add({start, y, x + 1, y + 1});
        }
    }
    collector.Flush();
}
