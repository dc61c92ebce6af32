// Scopes for device contexts and selections: every DC taken is given back and every object
// selected is deselected, in reverse order, whatever path the drawing code leaves by.
#pragma once

#include <windows.h>

#include "UniqueResource.h"

class PaintDc {
public:
    explicit PaintDc(HWND hwnd) : m_hwnd(hwnd) { m_dc = BeginPaint(hwnd, &m_paint); }
    ~PaintDc() { EndPaint(m_hwnd, &m_paint); }
    PaintDc(const PaintDc&) = delete;
    PaintDc& operator=(const PaintDc&) = delete;
    HDC get() const { return m_dc; }

private:
    HWND m_hwnd;
    PAINTSTRUCT m_paint{};
    HDC m_dc = nullptr;
};

// The client-area DC (GetDC) or, with whole set, the whole-window DC (GetWindowDC).
class WindowDc {
public:
    explicit WindowDc(HWND hwnd, bool whole = false) : m_hwnd(hwnd), m_dc(whole ? GetWindowDC(hwnd) : GetDC(hwnd)) {}
    ~WindowDc()
    {
        if (m_dc) ReleaseDC(m_hwnd, m_dc);
    }
    WindowDc(const WindowDc&) = delete;
    WindowDc& operator=(const WindowDc&) = delete;
    HDC get() const { return m_dc; }

private:
    HWND m_hwnd;
    HDC m_dc;
};

class MemoryDc {
public:
    explicit MemoryDc(HDC compatible) : m_dc(CreateCompatibleDC(compatible)) {}
    ~MemoryDc()
    {
        if (m_dc) DeleteDC(m_dc);
    }
    MemoryDc(const MemoryDc&) = delete;
    MemoryDc& operator=(const MemoryDc&) = delete;
    HDC get() const { return m_dc; }

private:
    HDC m_dc;
};

class SelectScope {
public:
    SelectScope(HDC dc, HGDIOBJ object) : m_dc(dc), m_old(object ? SelectObject(dc, object) : nullptr) {}
    ~SelectScope()
    {
        if (m_old) SelectObject(m_dc, m_old);
    }
    SelectScope(const SelectScope&) = delete;
    SelectScope& operator=(const SelectScope&) = delete;

private:
    HDC m_dc;
    HGDIOBJ m_old;
};

// A bitmap of the target's format selected into its own memory DC: draw into get(), then
// CopyTo the screen in one transfer.
class OffscreenBitmap {
public:
    OffscreenBitmap(HDC target, int width, int height)
        : m_dc(target), m_bitmap(CreateCompatibleBitmap(target, width > 0 ? width : 1, height > 0 ? height : 1)),
          m_select(m_dc.get(), m_bitmap.get()), m_width(width), m_height(height)
    {
    }
    ~OffscreenBitmap() = default;
    OffscreenBitmap(const OffscreenBitmap&) = delete;
    OffscreenBitmap& operator=(const OffscreenBitmap&) = delete;

    HDC get() const { return m_dc.get(); }
    bool Valid() const { return m_dc.get() && static_cast<bool>(m_bitmap); }
    void CopyTo(HDC target, int x = 0, int y = 0) const { BitBlt(target, x, y, m_width, m_height, m_dc.get(), 0, 0, SRCCOPY); }

private:
    // Declared in creation order; destroyed in reverse: deselect, then delete, then the DC.
    MemoryDc m_dc;
    UniqueGdi<HBITMAP> m_bitmap;
    SelectScope m_select;
    int m_width;
    int m_height;
};

// Copies a whole bitmap, or a part of it, onto a DC at (x, y).
void DrawBitmap(HDC target, int x, int y, HBITMAP bitmap, int width, int height, int sourceX = 0, int sourceY = 0);
// The pixel size of a bitmap; 0 x 0 for none.
SIZE BitmapSize(HBITMAP bitmap);
