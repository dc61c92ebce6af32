#include "MouseArt.h"

#include <cmath>

#include "RoundedPath.h"

namespace {

// Positions in the unit square of the drawing: 0 left, 1 right, 2 wheel click, 3 forward,
// 4 back, 5 DPI, 6 mode, 7-12 the thumb grid, 13 the right flank, 14 and 15 the wheel.
constexpr ArtPoint kAnchors[16] = {
    {0.27, 0.22}, {0.73, 0.22}, {0.50, 0.17}, {0.07, 0.35}, {0.07, 0.45}, {0.50, 0.32},
    {0.50, 0.53}, {0.17, 0.60}, {0.31, 0.60}, {0.17, 0.69}, {0.31, 0.69}, {0.17, 0.78},
    {0.31, 0.78}, {0.93, 0.47}, {0.50, 0.105}, {0.50, 0.235},
};

struct Mapper {
    const SkinRect& a;
    double X(double u) const { return a.x + u * a.w; }
    double Y(double v) const { return a.y + v * a.h; }
};

void BodyPath(cairo_t* cr, const Mapper& m)
{
    cairo_move_to(cr, m.X(0.5), m.Y(0.015));
    cairo_curve_to(cr, m.X(0.80), m.Y(0.015), m.X(0.95), m.Y(0.10), m.X(0.96), m.Y(0.30));
    cairo_curve_to(cr, m.X(0.975), m.Y(0.50), m.X(1.0), m.Y(0.70), m.X(0.97), m.Y(0.84));
    cairo_curve_to(cr, m.X(0.93), m.Y(0.97), m.X(0.72), m.Y(0.995), m.X(0.5), m.Y(0.995));
    cairo_curve_to(cr, m.X(0.28), m.Y(0.995), m.X(0.07), m.Y(0.97), m.X(0.03), m.Y(0.84));
    cairo_curve_to(cr, m.X(0.0), m.Y(0.70), m.X(0.025), m.Y(0.50), m.X(0.04), m.Y(0.30));
    cairo_curve_to(cr, m.X(0.05), m.Y(0.10), m.X(0.20), m.Y(0.015), m.X(0.5), m.Y(0.015));
    cairo_close_path(cr);
}

void FillStroke(cairo_t* cr, double fr, double fg, double fb, double sr, double sg, double sb, double width)
{
    cairo_set_source_rgb(cr, fr, fg, fb);
    cairo_fill_preserve(cr);
    cairo_set_source_rgb(cr, sr, sg, sb);
    cairo_set_line_width(cr, width);
    cairo_stroke(cr);
}

// A small key centred on a point of the unit square.
void SmallKey(cairo_t* cr, const Mapper& m, ArtPoint c, double w, double h)
{
    const double pw = w * m.a.w, ph = h * m.a.h;
    RoundedPath(cr, m.X(c.x) - pw / 2, m.Y(c.y) - ph / 2, pw, ph, std::min(pw, ph) / 3);
    FillStroke(cr, 0.20, 0.21, 0.24, 0.36, 0.38, 0.42, 1.0);
}

}  // namespace

ArtPoint MouseArt::Anchor(const SkinRect& area, int button)
{
    const ArtPoint& p = kAnchors[button & 15];
    return {area.x + p.x * area.w, area.y + p.y * area.h};
}

void MouseArt::Draw(cairo_t* cr, const SkinRect& area)
{
    const Mapper m{area};
    cairo_save(cr);

    // Soft shadow under the body.
    cairo_save(cr);
    cairo_translate(cr, 4, 7);
    BodyPath(cr, m);
    cairo_set_source_rgba(cr, 0, 0, 0, 0.45);
    cairo_fill(cr);
    cairo_restore(cr);

    BodyPath(cr, m);
    cairo_pattern_t* shell = cairo_pattern_create_linear(m.X(0), 0, m.X(1), 0);
    cairo_pattern_add_color_stop_rgb(shell, 0.0, 0.13, 0.14, 0.16);
    cairo_pattern_add_color_stop_rgb(shell, 0.45, 0.25, 0.26, 0.29);
    cairo_pattern_add_color_stop_rgb(shell, 1.0, 0.12, 0.13, 0.15);
    cairo_set_source(cr, shell);
    cairo_fill_preserve(cr);
    cairo_pattern_destroy(shell);
    cairo_set_source_rgb(cr, 0.42, 0.44, 0.49);
    cairo_set_line_width(cr, 1.4);
    cairo_stroke(cr);

    // Accent light strips along both flanks.
    cairo_set_source_rgba(cr, 250 / 255.0, 158 / 255.0, 57 / 255.0, 0.9);
    cairo_set_line_width(cr, 2.2);
    cairo_set_line_cap(cr, CAIRO_LINE_CAP_ROUND);
    cairo_move_to(cr, m.X(0.10), m.Y(0.88));
    cairo_curve_to(cr, m.X(0.06), m.Y(0.70), m.X(0.08), m.Y(0.55), m.X(0.10), m.Y(0.52));
    cairo_stroke(cr);
    cairo_move_to(cr, m.X(0.90), m.Y(0.88));
    cairo_curve_to(cr, m.X(0.94), m.Y(0.70), m.X(0.92), m.Y(0.60), m.X(0.90), m.Y(0.57));
    cairo_stroke(cr);

    // Split between the two main buttons and the palm.
    cairo_set_source_rgb(cr, 0.06, 0.06, 0.07);
    cairo_set_line_width(cr, 1.6);
    cairo_move_to(cr, m.X(0.5), m.Y(0.02));
    cairo_line_to(cr, m.X(0.5), m.Y(0.085));
    cairo_move_to(cr, m.X(0.5), m.Y(0.26));
    cairo_line_to(cr, m.X(0.5), m.Y(0.28));
    cairo_move_to(cr, m.X(0.045), m.Y(0.41));
    cairo_curve_to(cr, m.X(0.30), m.Y(0.44), m.X(0.70), m.Y(0.44), m.X(0.955), m.Y(0.41));
    cairo_stroke(cr);

    // Wheel with its ridges.
    const double ww = 0.13 * area.w, wh = 0.17 * area.h;
    RoundedPath(cr, m.X(0.5) - ww / 2, m.Y(0.17) - wh / 2, ww, wh, ww / 2.2);
    FillStroke(cr, 0.08, 0.08, 0.09, 0.50, 0.52, 0.56, 1.0);
    cairo_set_source_rgba(cr, 1, 1, 1, 0.18);
    cairo_set_line_width(cr, 1.0);
    for (int i = 1; i < 8; ++i) {
        const double y = m.Y(0.17) - wh / 2 + i * wh / 8;
        cairo_move_to(cr, m.X(0.5) - ww / 2 + 3, y);
        cairo_line_to(cr, m.X(0.5) + ww / 2 - 3, y);
    }
    cairo_stroke(cr);

    SmallKey(cr, m, kAnchors[5], 0.12, 0.045);
    SmallKey(cr, m, kAnchors[3], 0.06, 0.075);
    SmallKey(cr, m, kAnchors[4], 0.06, 0.075);
    for (int b = 7; b <= 12; ++b) SmallKey(cr, m, kAnchors[b], 0.11, 0.06);
    SmallKey(cr, m, kAnchors[13], 0.05, 0.08);

    // Mode button: a round key with a ring.
    cairo_arc(cr, m.X(0.5), m.Y(0.53), 0.045 * area.w, 0, 2 * M_PI);
    FillStroke(cr, 0.16, 0.17, 0.19, 0.55, 0.57, 0.61, 1.0);

    // Brand mark on the palm.
    cairo_move_to(cr, m.X(0.5), m.Y(0.70));
    cairo_line_to(cr, m.X(0.58), m.Y(0.78));
    cairo_line_to(cr, m.X(0.5), m.Y(0.86));
    cairo_line_to(cr, m.X(0.42), m.Y(0.78));
    cairo_close_path(cr);
    cairo_set_source_rgba(cr, 250 / 255.0, 158 / 255.0, 57 / 255.0, 0.85);
    cairo_set_line_width(cr, 1.6);
    cairo_stroke(cr);

    cairo_restore(cr);
}
