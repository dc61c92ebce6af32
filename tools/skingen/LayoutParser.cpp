#include "LayoutParser.h"

#include <algorithm>
#include <charconv>
#include <map>
#include <optional>

namespace {

struct Token {
    std::string text;
    bool quoted = false;
};

// Splits a line into words and quoted texts; returns an error message or nothing.
std::optional<std::string> Tokenize(std::string_view line, std::vector<Token>& tokens)
{
    size_t i = 0;
    while (i < line.size()) {
        const char c = line[i];
        if (c == ' ' || c == '\t' || c == '\r') {
            ++i;
        } else if (c == '#') {
            break;
        } else if (c == '"') {
            Token t{"", true};
            ++i;
            bool closed = false;
            while (i < line.size()) {
                char d = line[i++];
                if (d == '"') {
                    closed = true;
                    break;
                }
                if (d == '\\' && i < line.size() && (line[i] == '"' || line[i] == '\\')) d = line[i++];
                t.text += d;
            }
            if (!closed) return "text without its closing quote";
            tokens.push_back(std::move(t));
        } else {
            Token t;
            while (i < line.size() && line[i] != ' ' && line[i] != '\t' && line[i] != '\r' &&
                   line[i] != '"')
                t.text += line[i++];
            tokens.push_back(std::move(t));
        }
    }
    return std::nullopt;
}

std::optional<int> ToInt(const std::string& s)
{
    int v = 0;
    const char* end = s.data() + s.size();
    auto [p, ec] = std::from_chars(s.data(), end, v);
    if (ec != std::errc() || p != end || s.empty()) return std::nullopt;
    return v;
}

std::optional<Rgb> ToColour(const std::string& s)
{
    static const std::map<std::string, Rgb> named = {
        {"white", {255, 255, 255}}, {"text", {230, 230, 230}}, {"dim", {140, 146, 156}},
        {"accent", {250, 158, 57}}, {"dark", {24, 26, 30}},    {"line", {60, 64, 72}},
    };
    if (auto it = named.find(s); it != named.end()) return it->second;
    if (s.size() != 7 || s[0] != '#') return std::nullopt;
    unsigned v = 0;
    auto [p, ec] = std::from_chars(s.data() + 1, s.data() + 7, v, 16);
    if (ec != std::errc() || p != s.data() + 7) return std::nullopt;
    return Rgb{static_cast<uint8_t>(v >> 16), static_cast<uint8_t>(v >> 8), static_cast<uint8_t>(v)};
}

const std::map<std::string, ControlKind>& Kinds()
{
    static const std::map<std::string, ControlKind> kinds = {
        {"button", ControlKind::Button},       {"toggle", ControlKind::Toggle},
        {"menu", ControlKind::Menu},           {"tab", ControlKind::Tab},
        {"close", ControlKind::Close},         {"minimise", ControlKind::Minimise},
        {"slider", ControlKind::Slider},       {"list", ControlKind::List},
        {"edit", ControlKind::Edit},           {"levelspin", ControlKind::LevelSpin},
        {"spinedit", ControlKind::SpinEdit},   {"label", ControlKind::Label},
        {"area", ControlKind::Area},           {"palette", ControlKind::Palette},
        {"swatch", ControlKind::Swatch},       {"colour", ControlKind::Colour},
        {"dpirow", ControlKind::DpiRow},       {"hidden", ControlKind::Hidden},
        {"record", ControlKind::Record},
    };
    return kinds;
}

const std::map<std::string, ExtraKind>& ExtraKinds()
{
    static const std::map<std::string, ExtraKind> kinds = {
        {"rowmask", ExtraKind::RowMask},         {"thumb-down", ExtraKind::ThumbDown},
        {"thumb-up", ExtraKind::ThumbUp},        {"record-start", ExtraKind::RecordStart},
        {"record-stop", ExtraKind::RecordStop},
    };
    return kinds;
}

bool IsPlainFileName(const std::string& s)
{
    if (s.empty()) return false;
    return std::all_of(s.begin(), s.end(), [](char c) {
        return (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z') || (c >= '0' && c <= '9') ||
               c == '_' || c == '-' || c == '.';
    });
}

bool EndsWith(const std::string& s, std::string_view tail)
{
    return s.size() >= tail.size() && s.compare(s.size() - tail.size(), tail.size(), tail) == 0;
}

// One statement: its words after the statement name, split into positional tokens and
// name=value options (bare words with "=", or a lone flag word listed by the statement).
class Statement {
public:
    Statement(std::vector<Token> tokens, std::string& error) : m_error(error)
    {
        for (size_t i = 1; i < tokens.size(); ++i) {
            const Token& t = tokens[i];
            const size_t eq = t.quoted ? std::string::npos : t.text.find('=');
            if (eq != std::string::npos)
                m_options[t.text.substr(0, eq)] = t.text.substr(eq + 1);
            else
                m_args.push_back(t);
        }
    }

    size_t Count() const { return m_args.size(); }
    const Token& Arg(size_t i) const { return m_args[i]; }

    bool Fail(const std::string& message)
    {
        if (m_error.empty()) m_error = message;
        return false;
    }

    bool Int(size_t i, const char* what, int& out, int lo, int hi)
    {
        if (i >= m_args.size() || m_args[i].quoted) return Fail(std::string("missing ") + what);
        auto v = ToInt(m_args[i].text);
        if (!v) return Fail(std::string(what) + " is not a whole number: '" + m_args[i].text + "'");
        if (*v < lo || *v > hi)
            return Fail(std::string(what) + " " + m_args[i].text + " is outside " +
                        std::to_string(lo) + ".." + std::to_string(hi));
        out = *v;
        return true;
    }

    bool Word(size_t i, const char* what, std::string& out)
    {
        if (i >= m_args.size() || m_args[i].quoted) return Fail(std::string("missing ") + what);
        out = m_args[i].text;
        return true;
    }

    // An optional quoted text at position i.
    bool Text(size_t i, std::string& out)
    {
        if (i >= m_args.size()) return true;
        if (!m_args[i].quoted) return Fail("unexpected word '" + m_args[i].text + "'");
        out = m_args[i].text;
        return true;
    }

    bool NoMoreThan(size_t n)
    {
        if (m_args.size() > n) return Fail("unexpected '" + m_args[n].text + "'");
        return true;
    }

    bool Rect(size_t i, SkinRect& r, int minSide)
    {
        const int big = LayoutParser::kMaxWindowSide;
        return Int(i, "x", r.x, 0, big) && Int(i + 1, "y", r.y, 0, big) &&
               Int(i + 2, "width", r.w, minSide, big) && Int(i + 3, "height", r.h, minSide, big);
    }

    // Takes an option out; unknown options left over are an error (see Finish).
    std::optional<std::string> Option(const std::string& name)
    {
        auto it = m_options.find(name);
        if (it == m_options.end()) return std::nullopt;
        std::string v = it->second;
        m_options.erase(it);
        return v;
    }

    bool ColourOption(const std::string& name, Rgb& out)
    {
        auto v = Option(name);
        if (!v) return true;
        auto c = ToColour(*v);
        if (!c) return Fail("unknown colour '" + *v + "' (white, text, dim, accent, dark, line or #RRGGBB)");
        out = *c;
        return true;
    }

    bool IntOption(const std::string& name, int& out, int lo, int hi)
    {
        auto v = Option(name);
        if (!v) return true;
        auto n = ToInt(*v);
        if (!n || *n < lo || *n > hi)
            return Fail(name + "=" + *v + " is not a number in " + std::to_string(lo) + ".." +
                        std::to_string(hi));
        out = *n;
        return true;
    }

    bool Finish()
    {
        if (!m_options.empty()) return Fail("unknown option '" + m_options.begin()->first + "'");
        return true;
    }

private:
    std::vector<Token> m_args;
    std::map<std::string, std::string> m_options;
    std::string& m_error;
};

class Parser {
public:
    explicit Parser(const std::string& fileName) : m_file(fileName) { m_result.layout.source = fileName; }

    void Line(std::string_view line, int number)
    {
        m_number = number;
        if (line.size() > LayoutParser::kMaxLineLength) {
            Error("line longer than " + std::to_string(LayoutParser::kMaxLineLength) + " characters");
            return;
        }
        std::vector<Token> tokens;
        if (auto e = Tokenize(line, tokens)) {
            Error(*e);
            return;
        }
        if (tokens.empty()) return;
        if (tokens[0].quoted) {
            Error("a line must start with a statement name");
            return;
        }
        const std::string name = tokens[0].text;
        std::string error;
        Statement s(std::move(tokens), error);
        bool ok = false;
        if (name == "window") ok = Window(s);
        else if (name == "skin") ok = Skin(s);
        else if (name == "pictures") ok = Pictures(s);
        else if (name == "outline") ok = Outline(s);
        else if (name == "panel") ok = Panel(s);
        else if (name == "text") ok = Text(s);
        else if (name == "line") ok = LineArt(s);
        else if (name == "mouse") ok = Mouse(s);
        else if (name == "leader") ok = Leader(s);
        else if (name == "key") ok = Key(s);
        else if (name == "picture") ok = Picture(s);
        else s.Fail("unknown statement '" + name + "'");
        if (ok) s.Finish();
        if (!error.empty()) Error(error);
    }

    LayoutParseResult Finish(int lastLine)
    {
        SkinLayout& l = m_result.layout;
        m_number = lastLine;
        if (l.width == 0) Error("no 'window' statement");
        if (l.iniName.empty()) Error("no 'skin' statement");
        if (l.picturePrefix.empty()) Error("no 'pictures' statement");
        std::sort(l.controls.begin(), l.controls.end(),
                  [](const SkinControl& a, const SkinControl& b) { return a.key < b.key; });
        if (l.width > 0) {
            for (const SkinControl& c : l.controls) {
                if (c.kind == ControlKind::Hidden) continue;
                if (c.rect.x + c.rect.w > l.width || c.rect.y + c.rect.h > l.height) {
                    m_number = c.line;
                    Error("key " + std::to_string(c.key) + " lies outside the " +
                          std::to_string(l.width) + "x" + std::to_string(l.height) + " window");
                }
            }
        }
        for (const SkinLeader& d : l.leaders) {
            m_number = d.line;
            if (!l.mouse) Error("'leader' without a 'mouse'");
            if (!l.Find(d.key)) Error("leader from key " + std::to_string(d.key) + ", which is not defined");
        }
        for (const ExtraPicture& e : l.extras) {
            m_number = e.line;
            const bool sized = e.kind == ExtraKind::RowMask || e.kind == ExtraKind::RecordStart ||
                               e.kind == ExtraKind::RecordStop;
            const SkinControl* c = l.Find(e.key);
            if (sized && (!c || c->rect.Empty()))
                Error("picture '" + e.file + "' needs key=N of a control with a rectangle");
        }
        return std::move(m_result);
    }

private:
    void Error(const std::string& message)
    {
        m_result.errors.push_back(m_file + ":" + std::to_string(m_number) + ": " + message);
    }

    bool Once(bool already, const char* what, Statement& s)
    {
        if (already) return s.Fail(std::string("second '") + what + "' statement");
        return true;
    }

    bool Window(Statement& s)
    {
        SkinLayout& l = m_result.layout;
        return Once(l.width != 0, "window", s) &&
               s.Int(0, "width", l.width, 1, LayoutParser::kMaxWindowSide) &&
               s.Int(1, "height", l.height, 1, LayoutParser::kMaxWindowSide) && s.NoMoreThan(2);
    }

    bool Skin(Statement& s)
    {
        std::string name;
        if (!Once(!m_result.layout.iniName.empty(), "skin", s) || !s.Word(0, "skin file name", name) ||
            !s.NoMoreThan(1))
            return false;
        if (!IsPlainFileName(name) || !EndsWith(name, ".ini"))
            return s.Fail("skin file name '" + name + "' must be a plain file name ending in .ini");
        m_result.layout.iniName = name;
        return true;
    }

    bool Pictures(Statement& s)
    {
        std::string prefix;
        if (!Once(!m_result.layout.picturePrefix.empty(), "pictures", s) ||
            !s.Word(0, "picture name prefix", prefix) || !s.NoMoreThan(2))
            return false;
        if (s.Count() == 2) {
            if (s.Arg(1).quoted || s.Arg(1).text != "lossless") return s.Fail("'pictures' takes only the word lossless after the prefix");
            m_result.layout.lossless = true;
        }
        if (!IsPlainFileName(prefix)) return s.Fail("picture prefix '" + prefix + "' is not a plain name");
        m_result.layout.picturePrefix = prefix;
        return true;
    }

    bool Outline(Statement& s)
    {
        SkinLayout& l = m_result.layout;
        std::string shape;
        if (!s.Word(0, "outline shape", shape)) return false;
        if (shape == "rect") {
            l.outline = OutlineShape::Rect;
            return s.NoMoreThan(1);
        }
        if (shape == "rounded") l.outline = OutlineShape::Rounded;
        else if (shape == "chamfer") l.outline = OutlineShape::Chamfer;
        else return s.Fail("unknown outline '" + shape + "' (rect, rounded R or chamfer C)");
        return s.Int(1, "corner size", l.outlineSize, 1, 200) && s.NoMoreThan(2);
    }

    bool Panel(Statement& s)
    {
        SkinPanel p;
        if (!s.Rect(0, p.rect, 1) || !s.Text(4, p.heading) || !s.NoMoreThan(5)) return false;
        m_result.layout.panels.push_back(p);
        return true;
    }

    bool Text(Statement& s)
    {
        SkinText t;
        const int big = LayoutParser::kMaxWindowSide;
        if (!s.Int(0, "x", t.x, 0, big) || !s.Int(1, "y", t.y, 0, big)) return false;
        if (s.Count() < 3 || !s.Arg(2).quoted) return s.Fail("missing the quoted text");
        t.text = s.Arg(2).text;
        if (!s.NoMoreThan(3)) return false;
        int size = 12;
        if (!s.IntOption("size", size, 6, 72) || !s.IntOption("width", t.width, 0, big) ||
            !s.ColourOption("color", t.colour))
            return false;
        t.size = size;
        if (auto w = s.Option("weight")) {
            if (*w != "bold" && *w != "normal") return s.Fail("weight must be bold or normal");
            t.bold = *w == "bold";
        }
        if (auto a = s.Option("align")) {
            if (*a == "left") t.align = TextAlign::Left;
            else if (*a == "centre" || *a == "center") t.align = TextAlign::Centre;
            else if (*a == "right") t.align = TextAlign::Right;
            else return s.Fail("align must be left, centre or right");
            if (t.align != TextAlign::Left && t.width == 0) return s.Fail("align needs width=W");
        }
        m_result.layout.texts.push_back(t);
        return true;
    }

    bool LineArt(Statement& s)
    {
        SkinLine d;
        const int big = LayoutParser::kMaxWindowSide;
        if (!s.Int(0, "x1", d.x1, 0, big) || !s.Int(1, "y1", d.y1, 0, big) ||
            !s.Int(2, "x2", d.x2, 0, big) || !s.Int(3, "y2", d.y2, 0, big) || !s.NoMoreThan(4) ||
            !s.ColourOption("color", d.colour))
            return false;
        m_result.layout.lines.push_back(d);
        return true;
    }

    bool Mouse(Statement& s)
    {
        SkinLayout& l = m_result.layout;
        if (!Once(l.mouse, "mouse", s) || !s.Rect(0, l.mouseRect, 20) || !s.NoMoreThan(4)) return false;
        l.mouse = true;
        return true;
    }

    bool Leader(Statement& s)
    {
        SkinLeader d;
        d.line = m_number;
        if (!s.Int(0, "key", d.key, 1, 999) || !s.Int(1, "mouse button", d.button, 0, 15) ||
            !s.NoMoreThan(2))
            return false;
        m_result.layout.leaders.push_back(d);
        return true;
    }

    bool Key(Statement& s)
    {
        SkinControl c;
        c.line = m_number;
        std::string kind;
        if (!s.Int(0, "key number", c.key, 0, 999) || !s.Word(1, "control kind", kind) ||
            !s.Word(2, "control name", c.name))
            return false;
        auto k = Kinds().find(kind);
        if (k == Kinds().end()) return s.Fail("unknown control kind '" + kind + "'");
        c.kind = k->second;
        if (c.name.find(',') != std::string::npos || c.name.size() > 39)
            return s.Fail("control name must have at most 39 characters and no comma");
        if (c.kind == ControlKind::Hidden) {
            if (!s.Text(3, c.tooltip) || !s.NoMoreThan(4)) return false;
        } else if (!s.Rect(3, c.rect, 1) || !s.Text(7, c.label) || !s.Text(8, c.tooltip) ||
                   !s.NoMoreThan(9) || !s.ColourOption("fill", c.fill)) {
            return false;
        }
        // The tooltip is what follows the last comma of the value, and is cut at 399.
        if (c.tooltip.find(',') != std::string::npos || c.tooltip.size() > 399)
            return s.Fail("tooltip must have at most 399 characters and no comma");
        if (m_result.layout.Find(c.key)) return s.Fail("key " + std::to_string(c.key) + " defined twice");
        m_result.layout.controls.push_back(c);
        return true;
    }

    bool Picture(Statement& s)
    {
        ExtraPicture e;
        e.line = m_number;
        std::string kind;
        if (!s.Word(0, "picture kind", kind) || !s.Word(1, "file name", e.file) ||
            !s.Text(2, e.label) || !s.NoMoreThan(3) ||
            !s.IntOption("key", e.key, 0, 999))
            return false;
        auto k = ExtraKinds().find(kind);
        if (k == ExtraKinds().end())
            return s.Fail("unknown picture kind '" + kind + "' (rowmask, thumb-down, thumb-up, record-start, record-stop)");
        e.kind = k->second;
        const bool stem = e.kind == ExtraKind::RecordStart || e.kind == ExtraKind::RecordStop;
        if (!IsPlainFileName(e.file) || (!stem && !EndsWith(e.file, ".bmp")))
            return s.Fail(stem ? "'" + e.file + "' is not a plain name"
                               : "'" + e.file + "' must be a plain file name ending in .bmp");
        m_result.layout.extras.push_back(e);
        return true;
    }

    std::string m_file;
    int m_number = 0;
    LayoutParseResult m_result;
};

}  // namespace

LayoutParseResult LayoutParser::Parse(std::string_view text, const std::string& fileName)
{
    Parser parser(fileName);
    int number = 0;
    size_t start = 0;
    while (start < text.size()) {
        size_t end = text.find('\n', start);
        if (end == std::string_view::npos) end = text.size();
        parser.Line(text.substr(start, end - start), ++number);
        start = end + 1;
    }
    return parser.Finish(number);
}
