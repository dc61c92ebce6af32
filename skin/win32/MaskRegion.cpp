#include "MaskRegion.h"

#include <cstring>
#include <vector>

#include "Gdi.h"
#include "MaskScanner.h"
#include "PictureHeader.h"

UniqueGdi<HRGN> CreateMaskRegion(HBITMAP bitmap, COLORREF key, COLORREF tolerance)
{
    const SIZE size = BitmapSize(bitmap);
    if (!PictureHeader::Acceptable({size.cx, size.cy})) return {};

    // A 32-bit top-down copy: one 32-bit word per pixel, so rows need no padding.
    std::vector<uint32_t> pixels(static_cast<size_t>(size.cx) * static_cast<size_t>(size.cy));
    BITMAPINFO info{};
    info.bmiHeader.biSize = sizeof info.bmiHeader;
    info.bmiHeader.biWidth = size.cx;
    info.bmiHeader.biHeight = -size.cy;
    info.bmiHeader.biPlanes = 1;
    info.bmiHeader.biBitCount = 32;
    info.bmiHeader.biCompression = BI_RGB;
    {
        WindowDc screen(nullptr);
        if (GetDIBits(screen.get(), bitmap, 0, static_cast<UINT>(size.cy), pixels.data(), &info, DIB_RGB_COLORS) !=
            size.cy)
            return {};
    }

    UniqueGdi<HRGN> result;
    std::vector<uint8_t> data;
    MaskScanner::Scan(pixels.data(), size.cx, size.cy, key, tolerance,
                      [&](const std::vector<SkinRect>& rects, const SkinRect& bounds) {
                          data.assign(sizeof(RGNDATAHEADER) + rects.size() * sizeof(RECT), 0);
                          auto* header = reinterpret_cast<RGNDATAHEADER*>(data.data());
                          header->dwSize = sizeof(RGNDATAHEADER);
                          header->iType = RDH_RECTANGLES;
                          header->nCount = static_cast<DWORD>(rects.size());
                          header->rcBound = {bounds.left, bounds.top, bounds.right, bounds.bottom};
                          static_assert(sizeof(SkinRect) == sizeof(RECT));
                          std::memcpy(data.data() + sizeof(RGNDATAHEADER), rects.data(), rects.size() * sizeof(RECT));
                          UniqueGdi<HRGN> part(ExtCreateRegion(nullptr, static_cast<DWORD>(data.size()),
                                                               reinterpret_cast<const RGNDATA*>(data.data())));
                          if (!part) return;
                          if (!result) {
                              result = std::move(part);
                          } else {
                              CombineRgn(result.get(), result.get(), part.get(), RGN_OR);
                          }
                      });
    return result;
}
