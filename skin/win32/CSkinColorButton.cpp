#include "CSkinColorButton.h"

#include "Gdi.h"

void CSkinColorButton::Paint(HDC dc, const RECT& client, HBITMAP picture)
{
    const int width = client.right - client.left, height = client.bottom - client.top;
    OffscreenBitmap offscreen(dc, width, height);
    if (!offscreen.Valid()) return;
    DrawBitmap(offscreen.get(), 0, 0, picture, width, height);
    // A 34 x 34 square from (1, 1) with its four corner pixels cut off.
    UniqueGdi<HRGN> swatch(CreateRectRgn(1, 2, 35, 34));
    UniqueGdi<HRGN> across(CreateRectRgn(2, 1, 34, 35));
    UniqueGdi<HBRUSH> brush(CreateSolidBrush(m_colour));
    if (swatch && across && brush) {
        CombineRgn(swatch.get(), swatch.get(), across.get(), RGN_OR);
        FillRgn(offscreen.get(), swatch.get(), brush.get());
    }
    offscreen.CopyTo(dc, client.left, client.top);
}
