// A rectangle with rounded corners as a closed cairo sub-path; the radius is kept to what the
// rectangle can take.
#pragma once

#include <cairo.h>

void RoundedPath(cairo_t* cr, double x, double y, double w, double h, double r);
