#include "SkinPainter.h"

#include "MouseArt.h"
#include "RoundedPath.h"

#include <cairo.h>
#include <pango/pangocairo.h>

#include <algorithm>
#include <cmath>
#include <functional>
#include <memory>

namespace {

// The theme: near-black surfaces, grey faces, the orange accent of the menus.
constexpr Rgb kWindowTop{30, 32, 37}, kWindowBottom{16, 17, 20};
constexpr Rgb kPanel{34, 37, 42}, kInnerPanel{40, 43, 49}, kPanelEdge{54, 58, 66};
// Pages fill the main window's page panel, so they share its colour.
constexpr Rgb kPage = kPanel;
constexpr Rgb kAccent{250, 158, 57}, kAccentDeep{198, 108, 24};
constexpr Rgb kText{228, 230, 234}, kTextDim{140, 146, 156}, kTextOff{92, 96, 104};

void Source(cairo_t* cr, Rgb c, double alpha = 1.0)
{
    cairo_set_source_rgba(cr, c.r / 255.0, c.g / 255.0, c.b / 255.0, alpha);
}

Rgb Mix(Rgb a, Rgb b, double t)
{
    auto m = [t](uint8_t x, uint8_t y) { return static_cast<uint8_t>(std::lround(x + (y - x) * t)); };
    return {m(a.r, b.r), m(a.g, b.g), m(a.b, b.b)};
}

void OutlinePath(cairo_t* cr, const SkinLayout& l, double inset)
{
    const double x = inset, y = inset, w = l.width - 2 * inset, h = l.height - 2 * inset;
    const double c = std::max(0.0, l.outlineSize - inset * 0.6);
    switch (l.outline) {
    case OutlineShape::Rect:
        cairo_rectangle(cr, x, y, w, h);
        break;
    case OutlineShape::Rounded:
        RoundedPath(cr, x, y, w, h, c);
        break;
    case OutlineShape::Chamfer:
        cairo_move_to(cr, x + c, y);
        cairo_line_to(cr, x + w - c, y);
        cairo_line_to(cr, x + w, y + c);
        cairo_line_to(cr, x + w, y + h - c);
        cairo_line_to(cr, x + w - c, y + h);
        cairo_line_to(cr, x + c, y + h);
        cairo_line_to(cr, x, y + h - c);
        cairo_line_to(cr, x, y + c);
        cairo_close_path(cr);
        break;
    }
}

// A cairo image surface that is turned into an RgbImage at the end.
class Canvas {
public:
    Canvas(int w, int h)
        : m_surface(cairo_image_surface_create(CAIRO_FORMAT_RGB24, w, h)), m_cr(cairo_create(m_surface))
    {
    }
    ~Canvas()
    {
        cairo_destroy(m_cr);
        cairo_surface_destroy(m_surface);
    }
    Canvas(const Canvas&) = delete;
    Canvas& operator=(const Canvas&) = delete;

    cairo_t* cr() const { return m_cr; }

    RgbImage Image() const
    {
        cairo_surface_flush(m_surface);
        const int w = cairo_image_surface_get_width(m_surface);
        const int h = cairo_image_surface_get_height(m_surface);
        const int stride = cairo_image_surface_get_stride(m_surface);
        const unsigned char* data = cairo_image_surface_get_data(m_surface);
        RgbImage out(w, h);
        for (int y = 0; y < h; ++y) {
            const auto* row = reinterpret_cast<const uint32_t*>(data + static_cast<size_t>(y) * stride);
            for (int x = 0; x < w; ++x) {
                uint8_t* p = out.Pixel(x, y);
                p[0] = static_cast<uint8_t>(row[x] >> 16);
                p[1] = static_cast<uint8_t>(row[x] >> 8);
                p[2] = static_cast<uint8_t>(row[x]);
            }
        }
        return out;
    }

private:
    cairo_surface_t* m_surface;
    cairo_t* m_cr;
};

struct TextStyle {
    double size = 11;
    bool bold = true;
    Rgb colour = kText;
    TextAlign align = TextAlign::Centre;
};

// Draws text in the box (width 0: unbounded, from x); vertically centred when h > 0, else
// from the top at y. Returns the height used.
int DrawText(cairo_t* cr, const std::string& text, double x, double y, double w, double h,
             const TextStyle& style)
{
    if (text.empty()) return 0;
    PangoLayout* layout = pango_cairo_create_layout(cr);
    PangoFontDescription* font = pango_font_description_new();
    pango_font_description_set_family(font, "DejaVu Sans");
    pango_font_description_set_weight(font, style.bold ? PANGO_WEIGHT_BOLD : PANGO_WEIGHT_NORMAL);
    pango_font_description_set_absolute_size(font, style.size * PANGO_SCALE);
    pango_layout_set_font_description(layout, font);
    pango_layout_set_text(layout, text.c_str(), -1);
    if (w > 0) {
        pango_layout_set_width(layout, static_cast<int>(w * PANGO_SCALE));
        pango_layout_set_wrap(layout, PANGO_WRAP_WORD);
        pango_layout_set_alignment(layout, style.align == TextAlign::Centre  ? PANGO_ALIGN_CENTER
                                           : style.align == TextAlign::Right ? PANGO_ALIGN_RIGHT
                                                                             : PANGO_ALIGN_LEFT);
    }
    int tw = 0, th = 0;
    pango_layout_get_pixel_size(layout, &tw, &th);
    const double top = h > 0 ? y + std::floor((h - th) / 2.0) : y;
    Source(cr, style.colour);
    cairo_move_to(cr, x, top);
    pango_cairo_show_layout(cr, layout);
    pango_font_description_free(font);
    g_object_unref(layout);
    return th;
}

struct Face {
    Rgb top, bottom, edge, text;
};

Face FaceFor(SkinState s)
{
    switch (s) {
    case SkinState::Normal: return {{62, 66, 74}, {43, 46, 52}, {80, 85, 95}, kText};
    case SkinState::Over: return {{82, 87, 97}, {58, 62, 70}, kAccent, {255, 255, 255}};
    case SkinState::Down: return {{238, 146, 48}, kAccentDeep, {255, 200, 130}, {255, 255, 255}};
    case SkinState::Disable: return {{38, 40, 45}, {34, 36, 40}, {50, 53, 59}, kTextOff};
    }
    return {};
}

void DrawFace(cairo_t* cr, const SkinRect& r, SkinState s, double radius)
{
    const Face f = FaceFor(s);
    RoundedPath(cr, r.x + 0.5, r.y + 0.5, r.w - 1, r.h - 1, radius);
    cairo_pattern_t* g = cairo_pattern_create_linear(0, r.y, 0, r.y + r.h);
    cairo_pattern_add_color_stop_rgb(g, 0, f.top.r / 255.0, f.top.g / 255.0, f.top.b / 255.0);
    cairo_pattern_add_color_stop_rgb(g, 1, f.bottom.r / 255.0, f.bottom.g / 255.0, f.bottom.b / 255.0);
    cairo_set_source(cr, g);
    cairo_fill_preserve(cr);
    cairo_pattern_destroy(g);
    Source(cr, f.edge);
    cairo_set_line_width(cr, 1.0);
    cairo_stroke(cr);
    if (s != SkinState::Disable) {  // a faint top light
        Source(cr, {255, 255, 255}, s == SkinState::Down ? 0.25 : 0.08);
        cairo_move_to(cr, r.x + radius, r.y + 1.5);
        cairo_line_to(cr, r.x + r.w - radius, r.y + 1.5);
        cairo_stroke(cr);
    }
}

double Radius(const SkinRect& r) { return std::min(5.0, r.h / 3.0); }

double LabelSize(const SkinRect& r) { return r.h >= 26 ? 11 : r.h >= 18 ? 10 : 8.5; }

void DrawLabel(cairo_t* cr, const SkinRect& r, const std::string& text, SkinState s, double left = 0)
{
    TextStyle t;
    t.size = LabelSize(r);
    t.colour = FaceFor(s).text;
    DrawText(cr, text, r.x + left + 2, r.y, r.w - left - 4, r.h, t);
}

void Triangle(cairo_t* cr, double cx, double cy, double half, bool up)
{
    const double d = up ? -1 : 1;
    cairo_move_to(cr, cx - half, cy - d * half / 2);
    cairo_line_to(cr, cx + half, cy - d * half / 2);
    cairo_line_to(cr, cx, cy + d * half / 2);
    cairo_close_path(cr);
}

void DrawArrowKey(cairo_t* cr, const SkinRect& r, SkinState s, bool up)
{
    DrawFace(cr, r, s, 2);
    Source(cr, FaceFor(s).text);
    Triangle(cr, r.x + r.w / 2.0, r.y + r.h / 2.0, std::min(r.w, r.h * 2) / 4.0, up);
    cairo_fill(cr);
}

// A sunken box the program's own control covers; the frame stays visible around it.
void DrawWell(cairo_t* cr, const SkinRect& r, Rgb fill, SkinState s)
{
    RoundedPath(cr, r.x - 2.5, r.y - 2.5, r.w + 5, r.h + 5, 3);
    Source(cr, {12, 13, 15});
    cairo_fill_preserve(cr);
    Source(cr, s == SkinState::Over ? Mix(kPanelEdge, kAccent, 0.5) : kPanelEdge);
    cairo_set_line_width(cr, 1);
    cairo_stroke(cr);
    cairo_rectangle(cr, r.x, r.y, r.w, r.h);
    Source(cr, s == SkinState::Disable ? Mix(fill, kPanel, 0.6) : fill);
    cairo_fill(cr);
}

void DrawTrack(cairo_t* cr, const SkinRect& r, SkinState s)
{
    const double cy = r.y + r.h / 2.0;
    RoundedPath(cr, r.x + 1, cy - 2.5, r.w - 2, 5, 2.5);
    Source(cr, {10, 11, 13});
    cairo_fill_preserve(cr);
    Source(cr, s == SkinState::Disable ? Mix(kPanelEdge, kPanel, 0.5) : kPanelEdge);
    cairo_set_line_width(cr, 1);
    cairo_stroke(cr);
    if (s == SkinState::Down || s == SkinState::Over) {
        RoundedPath(cr, r.x + 2, cy - 1.5, r.w - 4, 3, 1.5);
        Source(cr, kAccent, s == SkinState::Down ? 0.9 : 0.35);
        cairo_fill(cr);
    }
    // End marks, so the user sees where the range stops.
    Source(cr, s == SkinState::Disable ? kTextOff : kTextDim);
    for (double x : {r.x + 0.5, r.x + r.w - 0.5}) {
        cairo_move_to(cr, x, r.y + 1);
        cairo_line_to(cr, x, r.y + r.h - 1);
    }
    cairo_stroke(cr);
}

void DrawClose(cairo_t* cr, const SkinRect& r, SkinState s, bool minimise)
{
    if (s != SkinState::Normal) {
        const Rgb fill = s == SkinState::Disable ? kPanel
                         : minimise              ? (s == SkinState::Over ? Rgb{70, 75, 84} : kAccentDeep)
                         : s == SkinState::Over  ? Rgb{196, 58, 46}
                                                 : Rgb{150, 38, 30};
        RoundedPath(cr, r.x + 0.5, r.y + 0.5, r.w - 1, r.h - 1, 4);
        Source(cr, fill);
        cairo_fill(cr);
    }
    Source(cr, s == SkinState::Disable ? kTextOff : s == SkinState::Normal ? kTextDim : Rgb{255, 255, 255});
    cairo_set_line_width(cr, 1.8);
    cairo_set_line_cap(cr, CAIRO_LINE_CAP_ROUND);
    const double cx = r.x + r.w / 2.0, cy = r.y + r.h / 2.0, a = std::min(r.w, r.h) / 5.0;
    if (minimise) {
        cairo_move_to(cr, cx - a, cy + a * 0.8);
        cairo_line_to(cr, cx + a, cy + a * 0.8);
    } else {
        cairo_move_to(cr, cx - a, cy - a);
        cairo_line_to(cr, cx + a, cy + a);
        cairo_move_to(cr, cx + a, cy - a);
        cairo_line_to(cr, cx - a, cy + a);
    }
    cairo_stroke(cr);
    cairo_set_line_cap(cr, CAIRO_LINE_CAP_BUTT);
}

void DrawTab(cairo_t* cr, const SkinRect& r, const std::string& label, SkinState s)
{
    TextStyle t;
    t.size = 11;
    if (s == SkinState::Down) {
        cairo_rectangle(cr, r.x, r.y, r.w, r.h);
        Source(cr, kPage);
        cairo_fill(cr);
        cairo_rectangle(cr, r.x, r.y, r.w, 3);
        Source(cr, kAccent);
        cairo_fill(cr);
        t.colour = {255, 255, 255};
    } else {
        RoundedPath(cr, r.x + 0.5, r.y + 0.5, r.w - 1, r.h + 4, 4);
        Source(cr, s == SkinState::Over ? Rgb{44, 47, 54} : Rgb{30, 32, 37});
        cairo_fill_preserve(cr);
        Source(cr, kPanelEdge);
        cairo_set_line_width(cr, 1);
        cairo_stroke(cr);
        if (s == SkinState::Over) {
            cairo_rectangle(cr, r.x + 8, r.y + r.h - 4, r.w - 16, 2);
            Source(cr, kAccent, 0.8);
            cairo_fill(cr);
        }
        t.colour = s == SkinState::Over ? Rgb{255, 255, 255} : s == SkinState::Disable ? kTextOff : kTextDim;
    }
    DrawText(cr, label, r.x, r.y + 1, r.w, r.h, t);
}

void DrawRecordMark(cairo_t* cr, double cx, double cy, bool recording, SkinState s)
{
    Source(cr, s == SkinState::Disable ? kTextOff : s == SkinState::Down ? Rgb{255, 255, 255} : Rgb{232, 52, 44});
    if (recording)
        cairo_rectangle(cr, cx - 4.5, cy - 4.5, 9, 9);
    else
        cairo_arc(cr, cx, cy, 5.5, 0, 2 * M_PI);
    cairo_fill(cr);
}

void DrawRecord(cairo_t* cr, const SkinRect& r, const std::string& label, bool recording, SkinState s)
{
    DrawFace(cr, r, s, Radius(r));
    DrawRecordMark(cr, r.x + 16, r.y + r.h / 2.0, recording, s);
    DrawLabel(cr, r, label, s, 22);
}

void DrawPalette(cairo_t* cr, const SkinRect& r)
{
    // Hue from left to right; white at the top, the pure hue in the middle row, black at the
    // bottom; a grey strip at the right end.
    const int greyWidth = std::max(8, r.w / 12);
    const int hueWidth = r.w - greyWidth;
    cairo_surface_t* target = cairo_get_target(cr);
    cairo_surface_flush(target);
    unsigned char* data = cairo_image_surface_get_data(target);
    const int stride = cairo_image_surface_get_stride(target);
    // Integer sector starts and an integer middle row, so that the pure colours, white and
    // black appear exactly.
    const int mid = r.h / 2;
    for (int y = 0; y < r.h; ++y) {
        auto* row = reinterpret_cast<uint32_t*>(data + static_cast<size_t>(r.y + y) * stride);
        const bool light = y < mid;
        const double t = light ? (mid - y) / static_cast<double>(mid)
                               : (y - mid) / static_cast<double>(std::max(1, r.h - 1 - mid));
        for (int x = 0; x < r.w; ++x) {
            double red, green, blue;
            if (x >= hueWidth) {
                red = green = blue = 1.0 - static_cast<double>(y) / std::max(1, r.h - 1);
            } else {
                const int sector = x * 6 / hueWidth;
                const int s0 = sector * hueWidth / 6, s1 = (sector + 1) * hueWidth / 6;
                const double f = (x - s0) / static_cast<double>(s1 - s0);
                const double c[6][3] = {{1, f, 0}, {1 - f, 1, 0}, {0, 1, f}, {0, 1 - f, 1}, {f, 0, 1}, {1, 0, 1 - f}};
                const double toward = light ? 1.0 : 0.0;
                red = c[sector][0] + (toward - c[sector][0]) * t;
                green = c[sector][1] + (toward - c[sector][1]) * t;
                blue = c[sector][2] + (toward - c[sector][2]) * t;
            }
            auto byte = [](double c) { return static_cast<uint32_t>(std::lround(std::clamp(c, 0.0, 1.0) * 255)); };
            row[r.x + x] = (byte(red) << 16) | (byte(green) << 8) | byte(blue);
        }
    }
    cairo_surface_mark_dirty(target);
    cairo_rectangle(cr, r.x - 1.5, r.y - 1.5, r.w + 3, r.h + 3);
    Source(cr, kPanelEdge);
    cairo_set_line_width(cr, 1);
    cairo_stroke(cr);
}

SkinRect Offset(const SkinRect& r, int x0, int y0, int x1, int y1)
{
    return {r.x + x0, r.y + y0, x1 - x0, y1 - y0};
}

void DrawDpiRow(cairo_t* cr, const SkinControl& c, SkinState s)
{
    const SkinRect& r = c.rect;
    RoundedPath(cr, r.x + 0.5, r.y + 0.5, r.w - 1, r.h - 1, SkinPainter::kRowRadius);
    Source(cr, s == SkinState::Down ? Rgb{48, 40, 32} : s == SkinState::Disable ? Rgb{29, 31, 35} : kPanel);
    cairo_fill_preserve(cr);
    Source(cr, s == SkinState::Down ? kAccent : kPanelEdge);
    cairo_set_line_width(cr, 1);
    cairo_stroke(cr);
    // The row's own children sit at fixed places inside it.
    const SkinRect level = Offset(r, 0, 0, 75, 15);
    DrawFace(cr, level, s, 4);
    TextStyle t;
    t.size = 8.5;
    t.colour = FaceFor(s).text;
    DrawText(cr, c.label, level.x, level.y, level.w, level.h, t);
    DrawTrack(cr, Offset(r, 21, 21, 417, 36), s);
    const SkinRect value = Offset(r, 379, 0, 422, 14);
    cairo_rectangle(cr, value.x + 0.5, value.y + 0.5, value.w - 1, value.h - 1);
    Source(cr, kPanelEdge);
    cairo_stroke(cr);
    t.colour = s == SkinState::Disable ? kTextOff : kTextDim;
    t.align = TextAlign::Right;
    DrawText(cr, "DPI", r.x + 300, r.y, 74, 15, t);
}

void DrawSwatch(cairo_t* cr, const SkinRect& r, SkinState s)
{
    cairo_rectangle(cr, r.x, r.y, r.w, r.h);
    Source(cr, s == SkinState::Over ? kAccent : s == SkinState::Down ? Rgb{255, 255, 255}
               : s == SkinState::Disable ? kPanelEdge : Rgb{120, 126, 136});
    cairo_fill(cr);
    cairo_rectangle(cr, r.x + 1, r.y + 1, r.w - 2, r.h - 2);
    Source(cr, {12, 13, 15});
    cairo_fill(cr);
}

void DrawControl(cairo_t* cr, const SkinControl& c, SkinState s)
{
    const SkinRect& r = c.rect;
    switch (c.kind) {
    case ControlKind::Button:
        DrawFace(cr, r, s, Radius(r));
        DrawLabel(cr, r, c.label, s);
        break;
    case ControlKind::Toggle: {
        DrawFace(cr, r, s, Radius(r));
        const double cx = r.x + 13, cy = r.y + r.h / 2.0;
        cairo_arc(cr, cx, cy, 4.5, 0, 2 * M_PI);
        Source(cr, s == SkinState::Down ? Rgb{255, 244, 220} : s == SkinState::Disable ? Rgb{30, 32, 36} : Rgb{22, 23, 26});
        cairo_fill_preserve(cr);
        Source(cr, s == SkinState::Over ? kAccent : s == SkinState::Down ? Rgb{255, 255, 255} : Rgb{96, 101, 110});
        cairo_set_line_width(cr, 1.2);
        cairo_stroke(cr);
        DrawLabel(cr, r, c.label, s, 20);
        break;
    }
    case ControlKind::Menu:
        DrawFace(cr, r, s, Radius(r));
        Source(cr, FaceFor(s).text);
        Triangle(cr, r.x + r.w - 13, r.y + r.h / 2.0 + 0.5, 4, false);
        cairo_fill(cr);
        Source(cr, {0, 0, 0}, 0.35);
        cairo_rectangle(cr, r.x + r.w - 25, r.y + 5, 1, r.h - 10);
        cairo_fill(cr);
        break;
    case ControlKind::Tab: DrawTab(cr, r, c.label, s); break;
    case ControlKind::Close: DrawClose(cr, r, s, false); break;
    case ControlKind::Minimise: DrawClose(cr, r, s, true); break;
    case ControlKind::Slider: DrawTrack(cr, r, s == SkinState::Disable ? s : SkinState::Normal); break;
    case ControlKind::List: DrawWell(cr, r, {0, 0, 0}, SkinState::Normal); break;
    case ControlKind::Edit: DrawWell(cr, r, c.fill, SkinState::Normal); break;
    case ControlKind::LevelSpin:
        DrawWell(cr, r, kPanel, SkinState::Normal);
        cairo_rectangle(cr, r.x + 2, r.y + 2, 20, 13);
        Source(cr, {255, 255, 255});
        cairo_fill(cr);
        DrawArrowKey(cr, Offset(r, 23, 2, r.w - 1, 8), s, true);
        DrawArrowKey(cr, Offset(r, 23, 9, r.w - 1, 15), s, false);
        break;
    case ControlKind::SpinEdit:
        DrawWell(cr, r, kPanel, SkinState::Normal);
        cairo_rectangle(cr, r.x + 2, r.y + 2, r.w - 24, 18);
        Source(cr, {0, 0, 0});
        cairo_fill(cr);
        DrawArrowKey(cr, Offset(r, r.w - 20, 2, r.w - 2, 9), s, true);
        DrawArrowKey(cr, Offset(r, r.w - 20, 11, r.w - 2, 18), s, false);
        break;
    case ControlKind::Label:
        cairo_rectangle(cr, r.x + 0.5, r.y + 0.5, r.w - 1, r.h - 1);
        Source(cr, kPanelEdge);
        cairo_stroke(cr);
        break;
    case ControlKind::Palette: DrawPalette(cr, r); break;
    case ControlKind::Swatch: DrawSwatch(cr, r, s); break;
    case ControlKind::Colour: {
        DrawFace(cr, r, s, Radius(r));
        RoundedPath(cr, r.x + 6, r.y + 6, r.w - 12, r.h - 12, 3);
        Source(cr, s == SkinState::Disable ? Mix(c.fill, kPanel, 0.7) : c.fill);
        cairo_fill_preserve(cr);
        Source(cr, {0, 0, 0}, 0.5);
        cairo_set_line_width(cr, 1);
        cairo_stroke(cr);
        break;
    }
    case ControlKind::Record: DrawRecord(cr, r, c.label, false, s); break;
    case ControlKind::DpiRow: DrawDpiRow(cr, c, s); break;
    case ControlKind::Area:
    case ControlKind::Hidden: break;
    }
}

bool IsPage(const SkinLayout& l) { return l.outline == OutlineShape::Rect && !l.mouse; }

void DrawBackground(cairo_t* cr, const SkinLayout& l)
{
    cairo_rectangle(cr, 0, 0, l.width, l.height);
    Source(cr, kWindowBottom);
    cairo_fill(cr);
    OutlinePath(cr, l, 0);
    if (IsPage(l)) {
        Source(cr, kPage);
        cairo_fill(cr);
    } else {
        cairo_pattern_t* g = cairo_pattern_create_linear(0, 0, 0, l.height);
        cairo_pattern_add_color_stop_rgb(g, 0, kWindowTop.r / 255.0, kWindowTop.g / 255.0, kWindowTop.b / 255.0);
        cairo_pattern_add_color_stop_rgb(g, 1, kWindowBottom.r / 255.0, kWindowBottom.g / 255.0, kWindowBottom.b / 255.0);
        cairo_set_source(cr, g);
        cairo_fill(cr);
        cairo_pattern_destroy(g);
        // The rim lies wholly inside the mask so the region cuts none of it off.
        OutlinePath(cr, l, 1.5);
        Source(cr, kAccent, 0.85);
        cairo_set_line_width(cr, 1.5);
        cairo_stroke(cr);
        OutlinePath(cr, l, 3.5);
        Source(cr, {0, 0, 0}, 0.6);
        cairo_set_line_width(cr, 1);
        cairo_stroke(cr);
    }
}

void DrawPanels(cairo_t* cr, const SkinLayout& l)
{
    for (const SkinPanel& p : l.panels) {
        const SkinRect& r = p.rect;
        RoundedPath(cr, r.x + 0.5, r.y + 0.5, r.w - 1, r.h - 1, 6);
        Source(cr, IsPage(l) ? kInnerPanel : kPanel);
        cairo_fill_preserve(cr);
        Source(cr, kPanelEdge);
        cairo_set_line_width(cr, 1);
        cairo_stroke(cr);
        if (!p.heading.empty()) {
            TextStyle t;
            t.size = 10;
            t.colour = kAccent;
            t.align = TextAlign::Left;
            DrawText(cr, p.heading, r.x + 12, r.y + 8, 0, 0, t);
        }
    }
}

void DrawLeaders(cairo_t* cr, const SkinLayout& l)
{
    for (const SkinLeader& d : l.leaders) {
        const SkinControl* c = l.Find(d.key);
        const ArtPoint to = MouseArt::Anchor(l.mouseRect, d.button);
        const bool fromRight = c->rect.x + c->rect.w / 2.0 < to.x;
        const double sx = fromRight ? c->rect.x + c->rect.w + 2 : c->rect.x - 2;
        const double sy = c->rect.y + c->rect.h / 2.0;
        const double bend = fromRight ? sx + 8 : sx - 8;
        Source(cr, kAccent, 0.55);
        cairo_set_line_width(cr, 1);
        cairo_move_to(cr, sx, sy);
        cairo_line_to(cr, bend, sy);
        cairo_line_to(cr, to.x, to.y);
        cairo_stroke(cr);
        cairo_arc(cr, to.x, to.y, 2.6, 0, 2 * M_PI);
        Source(cr, kAccent);
        cairo_fill_preserve(cr);
        Source(cr, {0, 0, 0}, 0.7);
        cairo_stroke(cr);
    }
}

RgbImage MaskOf(int w, int h, const std::function<void(cairo_t*)>& path)
{
    Canvas canvas(w, h);
    cairo_t* cr = canvas.cr();
    cairo_set_source_rgb(cr, 1, 1, 1);
    cairo_paint(cr);
    cairo_set_antialias(cr, CAIRO_ANTIALIAS_NONE);
    path(cr);
    cairo_set_source_rgb(cr, 0, 0, 0);
    cairo_fill(cr);
    return canvas.Image();
}

}  // namespace

RgbImage SkinPainter::Paint(const SkinLayout& l, SkinState state)
{
    Canvas canvas(l.width, l.height);
    cairo_t* cr = canvas.cr();
    DrawBackground(cr, l);
    DrawPanels(cr, l);
    for (const SkinLine& d : l.lines) {
        Source(cr, d.colour);
        cairo_set_line_width(cr, 1);
        cairo_move_to(cr, d.x1 + 0.5, d.y1 + 0.5);
        cairo_line_to(cr, d.x2 + 0.5, d.y2 + 0.5);
        cairo_stroke(cr);
    }
    if (l.mouse) {
        MouseArt::Draw(cr, l.mouseRect);
        DrawLeaders(cr, l);
    }
    for (const SkinText& t : l.texts) {
        TextStyle style{t.size, t.bold, t.colour, t.align};
        DrawText(cr, t.text, t.x, t.y, t.width, 0, style);
    }
    for (const SkinControl& c : l.controls) DrawControl(cr, c, state);
    return canvas.Image();
}

RgbImage SkinPainter::PaintMask(const SkinLayout& l)
{
    return MaskOf(l.width, l.height, [&l](cairo_t* cr) { OutlinePath(cr, l, 0); });
}

RgbImage SkinPainter::PaintRowMask(int width, int height)
{
    return MaskOf(width, height, [=](cairo_t* cr) { RoundedPath(cr, 0, 0, width, height, kRowRadius); });
}

RgbImage SkinPainter::PaintThumb(bool pointingDown)
{
    Canvas canvas(kThumbWidth, kThumbHeight);
    cairo_t* cr = canvas.cr();
    Source(cr, kMagenta);
    cairo_paint(cr);
    // Hard edges: a blended edge pixel would not be the transparent colour and would show.
    cairo_set_antialias(cr, CAIRO_ANTIALIAS_NONE);
    const double w = kThumbWidth, h = kThumbHeight, tip = 5;
    // Cut corners: the slider takes the colour of pixel (0,0) as the transparent one.
    if (pointingDown) {
        cairo_move_to(cr, 2, 0);
        cairo_line_to(cr, w - 2, 0);
        cairo_line_to(cr, w, 2);
        cairo_line_to(cr, w, h - tip);
        cairo_line_to(cr, w / 2, h);
        cairo_line_to(cr, 0, h - tip);
        cairo_line_to(cr, 0, 2);
    } else {
        cairo_move_to(cr, w / 2, 0);
        cairo_line_to(cr, w, tip);
        cairo_line_to(cr, w, h - 2);
        cairo_line_to(cr, w - 2, h);
        cairo_line_to(cr, 2, h);
        cairo_line_to(cr, 0, h - 2);
        cairo_line_to(cr, 0, tip);
    }
    cairo_close_path(cr);
    Source(cr, {236, 238, 242});
    cairo_fill(cr);
    // A groove in the accent colour across the grip.
    Source(cr, kAccentDeep);
    const double y0 = pointingDown ? 3 : tip + 2;
    cairo_rectangle(cr, 3, y0, 5, 1);
    cairo_rectangle(cr, 3, y0 + 3, 5, 1);
    cairo_fill(cr);
    return canvas.Image();
}

RgbImage SkinPainter::PaintRecordButton(int width, int height, const std::string& label,
                                        bool recording, SkinState state)
{
    Canvas canvas(width, height);
    cairo_t* cr = canvas.cr();
    Source(cr, kPage);
    cairo_paint(cr);
    DrawRecord(cr, {0, 0, width, height}, label, recording, state);
    return canvas.Image();
}
