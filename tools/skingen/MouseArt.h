// The top view of the mouse on the main window, and where each of its buttons sits on it,
// so that the assignment buttons can point at the buttons they stand for.
#pragma once

#include "SkinLayout.h"

#include <cairo.h>

struct ArtPoint {
    double x = 0, y = 0;
};

class MouseArt {
public:
    static void Draw(cairo_t* cr, const SkinRect& area);
    // Window coordinates of mouse button 0-15 drawn in area.
    static ArtPoint Anchor(const SkinRect& area, int button);
};
