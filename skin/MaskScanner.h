// Turns a colour-keyed picture into the rectangles of its opaque runs, one scan line at a
// time, in batches small enough for one region-data block each.
#pragma once

#include <cstdint>
#include <functional>
#include <vector>

#include "SkinControlPos.h"

class MaskScanner {
public:
    static constexpr size_t kBatchSize = 2000;  // rectangles per region block
    static constexpr size_t kGrowth = 100;      // the collection buffer grows in these steps

    // A full batch, or the rest at the end; bounds is the box around exactly these rectangles.
    using Flush = std::function<void(const std::vector<SkinRect>& rects, const SkinRect& bounds)>;

    // pixels: width * height 32-bit values, top row first, each 0x00RRGGBB (the byte order
    // of a 32-bit DIB). key and tolerance are Windows colour values 0x00BBGGRR; a pixel is
    // transparent when every component lies in [key, min(255, key + tolerance)].
    static void Scan(const uint32_t* pixels, int width, int height, uint32_t key, uint32_t tolerance,
                     const Flush& flush);
};
