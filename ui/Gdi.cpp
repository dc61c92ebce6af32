#include "Gdi.h"

void DrawBitmap(HDC target, int x, int y, HBITMAP bitmap, int width, int height, int sourceX, int sourceY)
{
    if (!bitmap) return;
    MemoryDc source(target);
    SelectScope select(source.get(), bitmap);
    BitBlt(target, x, y, width, height, source.get(), sourceX, sourceY, SRCCOPY);
}

SIZE BitmapSize(HBITMAP bitmap)
{
    BITMAP info{};
    if (!bitmap || !GetObjectA(bitmap, sizeof info, &info)) return {0, 0};
    return {info.bmWidth, info.bmHeight < 0 ? -info.bmHeight : info.bmHeight};
}
