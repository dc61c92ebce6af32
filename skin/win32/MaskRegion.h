// The window outline from a mask picture.
#pragma once

#include <windows.h>

#include "UniqueResource.h"

// Every pixel outside [key, key + tolerance] in all three components lies inside the region;
// none when there is no bitmap, nothing opaque, or the bitmap is larger than 4096 x 4096.
UniqueGdi<HRGN> CreateMaskRegion(HBITMAP bitmap, COLORREF key, COLORREF tolerance);
