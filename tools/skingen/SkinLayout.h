// What one window's layout file describes: its size and outline, the static artwork and
// every control with its BUTTONPOS key.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

struct Rgb {
    uint8_t r = 0, g = 0, b = 0;
    bool operator==(const Rgb&) const = default;
};

struct SkinRect {
    int x = 0, y = 0, w = 0, h = 0;
    bool Empty() const { return w <= 0 || h <= 0; }
};

// How a control looks in the pictures; the program decides what it does with the key.
enum class ControlKind {
    Button,     // push button with its label in the picture
    Toggle,     // two-state button: a lamp beside the label, lit when pressed
    Menu,       // opens a menu; the program draws its caption, the picture has a drop arrow
    Tab,        // page tab
    Close,      // the window's close cross
    Minimise,   // the window's minimise bar
    Slider,     // slider track; the thumb is its own picture
    List,       // list box on black
    Edit,       // text box
    LevelSpin,  // read-only number with arrows at fixed places
    SpinEdit,   // editable number with arrows at the right
    Label,      // text label filled by the program
    Area,       // a rectangle the program uses, no control; not drawn
    Palette,    // the colour picture a colour is picked from
    Swatch,     // colour button; the program paints the colour over it
    Colour,     // push button showing a fixed colour
    Record,     // push button with a record mark
    DpiRow,     // one DPI level row with its own children
    Hidden,     // created with an empty rectangle, never seen
};

struct SkinControl {
    int key = 0;
    ControlKind kind = ControlKind::Button;
    std::string name;
    SkinRect rect;
    std::string label;
    std::string tooltip;
    Rgb fill{255, 255, 255};
    int line = 0;
};

enum class TextAlign { Left, Centre, Right };

struct SkinText {
    int x = 0, y = 0, width = 0;  // width 0: no wrapping, aligned at x
    std::string text;
    double size = 12;
    bool bold = false;
    Rgb colour{230, 230, 230};
    TextAlign align = TextAlign::Left;
};

struct SkinPanel {
    SkinRect rect;
    std::string heading;
};

struct SkinLine {
    int x1 = 0, y1 = 0, x2 = 0, y2 = 0;
    Rgb colour{60, 64, 72};
};

struct SkinLeader {
    int key = 0;     // the assignment button the line starts from
    int button = 0;  // the mouse button it points at
    int line = 0;
};

enum class OutlineShape { Rect, Rounded, Chamfer };

// Pictures that the program names itself rather than through SCREEN.
enum class ExtraKind { RowMask, ThumbDown, ThumbUp, RecordStart, RecordStop };

struct ExtraPicture {
    ExtraKind kind = ExtraKind::ThumbDown;
    std::string file;  // a file name, or for the record pictures the stem before _normal.jpg
    std::string label;  // record pictures: their text (the control's own label when empty)
    int key = 0;       // the control whose rectangle gives the size, where one is needed
    int line = 0;
};

struct SkinLayout {
    std::string source;  // layout file name, for messages
    int width = 0, height = 0;
    OutlineShape outline = OutlineShape::Rect;
    int outlineSize = 0;
    std::string iniName;
    std::string picturePrefix;
    bool lossless = false;  // state pictures as .bmp: their exact colours are read back
    bool mouse = false;
    SkinRect mouseRect;
    std::vector<SkinPanel> panels;
    std::vector<SkinText> texts;
    std::vector<SkinLine> lines;
    std::vector<SkinLeader> leaders;
    std::vector<SkinControl> controls;  // in key order
    std::vector<ExtraPicture> extras;

    const SkinControl* Find(int key) const
    {
        for (const SkinControl& c : controls)
            if (c.key == key) return &c;
        return nullptr;
    }
};
