#include "WindowShot.h"

#include <cstdio>

#include "Gdi.h"
#include "UniqueResource.h"

namespace {

WindowShot ReadPixels(HDC dc, HBITMAP bitmap, int width, int height)
{
    WindowShot shot;
    if (width <= 0 || height <= 0) return shot;
    shot.width = width;
    shot.height = height;
    shot.pixels.assign(static_cast<size_t>(width) * height, 0);
    shot.inside.assign(shot.pixels.size(), true);
    BITMAPINFO info{};
    info.bmiHeader.biSize = sizeof info.bmiHeader;
    info.bmiHeader.biWidth = width;
    info.bmiHeader.biHeight = -height;
    info.bmiHeader.biPlanes = 1;
    info.bmiHeader.biBitCount = 32;
    info.bmiHeader.biCompression = BI_RGB;
    GetDIBits(dc, bitmap, 0, static_cast<UINT>(height), shot.pixels.data(), &info, DIB_RGB_COLORS);
    for (uint32_t& p : shot.pixels) p &= 0xFFFFFF;
    return shot;
}

}  // namespace

WindowShot CaptureWindow(HWND hwnd)
{
    RECT r{};
    GetWindowRect(hwnd, &r);
    const int width = r.right - r.left, height = r.bottom - r.top;
    WindowDc screen(nullptr);
    OffscreenBitmap copy(screen.get(), width, height);
    if (!copy.Valid()) return {};
    BitBlt(copy.get(), 0, 0, width, height, screen.get(), r.left, r.top, SRCCOPY);
    UniqueGdi<HBITMAP> taken;
    // GetDIBits wants the bitmap deselected: copy it out through a second bitmap.
    taken.reset(CreateCompatibleBitmap(screen.get(), width, height));
    {
        MemoryDc into(screen.get());
        SelectScope select(into.get(), taken.get());
        BitBlt(into.get(), 0, 0, width, height, copy.get(), 0, 0, SRCCOPY);
    }
    WindowShot shot = ReadPixels(screen.get(), taken.get(), width, height);
    UniqueGdi<HRGN> region(CreateRectRgn(0, 0, 0, 0));
    if (region && GetWindowRgn(hwnd, region.get()) != ERROR) {
        for (int y = 0; y < height; ++y)
            for (int x = 0; x < width; ++x) shot.inside[static_cast<size_t>(y) * width + x] = PtInRegion(region.get(), x, y);
    }
    return shot;
}

WindowShot BitmapPixels(HBITMAP bitmap)
{
    const SIZE size = BitmapSize(bitmap);
    WindowDc screen(nullptr);
    return ReadPixels(screen.get(), bitmap, size.cx, size.cy);
}

bool SaveWindowShot(const WindowShot& shot, const std::string& path)
{
    const int stride = (shot.width * 3 + 3) & ~3;
    const uint32_t imageSize = static_cast<uint32_t>(stride) * shot.height;
    BITMAPFILEHEADER file{};
    file.bfType = 0x4D42;
    file.bfOffBits = sizeof(BITMAPFILEHEADER) + sizeof(BITMAPINFOHEADER);
    file.bfSize = file.bfOffBits + imageSize;
    BITMAPINFOHEADER info{};
    info.biSize = sizeof info;
    info.biWidth = shot.width;
    info.biHeight = shot.height;
    info.biPlanes = 1;
    info.biBitCount = 24;
    info.biSizeImage = imageSize;
    std::vector<uint8_t> rows(imageSize, 0);
    for (int y = 0; y < shot.height; ++y) {
        uint8_t* row = rows.data() + static_cast<size_t>(shot.height - 1 - y) * stride;
        for (int x = 0; x < shot.width; ++x) {
            const uint32_t p = shot.Inside(x, y) ? shot.At(x, y) : 0xFFFFFF;
            row[3 * x] = p & 0xFF;
            row[3 * x + 1] = (p >> 8) & 0xFF;
            row[3 * x + 2] = (p >> 16) & 0xFF;
        }
    }
    FILE* out = std::fopen(path.c_str(), "wb");
    if (!out) return false;
    const bool ok = std::fwrite(&file, sizeof file, 1, out) == 1 && std::fwrite(&info, sizeof info, 1, out) == 1 &&
                    std::fwrite(rows.data(), 1, rows.size(), out) == rows.size();
    return std::fclose(out) == 0 && ok;
}
