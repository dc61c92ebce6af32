// What a window shows on the screen, pixel by pixel, and a plain .bmp writer for it.
#pragma once

#include <windows.h>

#include <cstdint>
#include <string>
#include <vector>

struct WindowShot {
    int width = 0;
    int height = 0;
    std::vector<uint32_t> pixels;  // top row first, 0x00RRGGBB
    std::vector<bool> inside;      // within the window's region (all true without one)

    uint32_t At(int x, int y) const { return pixels[static_cast<size_t>(y) * width + x]; }
    bool Inside(int x, int y) const { return inside[static_cast<size_t>(y) * width + x]; }
};

// Copies the window's rectangle from the screen (the window must be visible and on top).
WindowShot CaptureWindow(HWND hwnd);
// Pixels of a bitmap in the same form (inside is all true).
WindowShot BitmapPixels(HBITMAP bitmap);
// A 24-bit .bmp; pixels outside the region are written white, like the mask's outside.
bool SaveWindowShot(const WindowShot& shot, const std::string& path);
