// Checks the skins folder the build generated against what each window's code reads from it.
#include "FileBytes.h"
#include "LayoutParser.h"
#include "SkinGenerator.h"

#include <gtest/gtest.h>
#include <turbojpeg.h>

#include <filesystem>
#include <map>
#include <set>
#include <sstream>

namespace {

const std::string kSkins = SKINGEN_SKINS_DIR;
const std::string kLayouts = SKINGEN_LAYOUT_DIR;

std::set<int> Range(int first, int last, std::set<int> more = {})
{
    for (int k = first; k <= last; ++k) more.insert(k);
    return more;
}

// Every skin file the program loads, with the BUTTONPOS keys its window creates.
const std::map<std::string, std::set<int>> kSkinKeys = {
    {"skin_main.ini", Range(1, 14, Range(20, 47))},
    {"skin_profile.ini", Range(1, 6)},
    {"skin_button_page.ini", Range(20, 35)},
    {"skin_shortcut.ini", Range(2, 10)},
    {"skin_performance.ini", Range(0, 15, Range(20, 52))},
    {"skin_DPI.ini", Range(2, 14, {20, 21})},
    {"skin_dpi_color.ini", Range(1, 8)},
    {"skin_light_setting.ini", Range(1, 6)},
    {"skin_danse_light.ini", Range(1, 13)},
    {"skin_qise_light.ini", Range(1, 6)},
    {"skin_xuancai_light.ini", Range(1, 6)},
    {"skin_dandian_light.ini", Range(1, 3)},
    {"skin_macro_manager.ini", Range(1, 13)},
    {"skin_select_macro.ini", Range(1, 7)},
    {"skin_lanuch_program.ini", Range(1, 5)},
    {"skin_delete_macro_warn.ini", Range(1, 3)},
    {"skin_click_warn.ini", Range(1, 3)},
    {"skin_reset_current_warn.ini", Range(1, 3)},
    {"skin_reset_all_warn.ini", Range(1, 3)},
    {"skin_macro_set_warn.ini", Range(1, 2)},
};

struct Picture {
    int width = 0, height = 0;
    std::vector<uint8_t> rgb;  // BMP only: rows from the top
    bool White(int x, int y) const
    {
        const uint8_t* p = &rgb[(static_cast<size_t>(y) * width + x) * 3];
        return p[0] == 255 && p[1] == 255 && p[2] == 255;
    }
};

uint32_t Le(const std::string& b, size_t at, int n)
{
    uint32_t v = 0;
    for (int i = n - 1; i >= 0; --i) v = (v << 8) | static_cast<uint8_t>(b[at + i]);
    return v;
}

// Reads the 24-bit bottom-up bitmaps the generator writes; anything else fails the test.
bool ReadBmp(const std::string& path, Picture& out)
{
    std::string b;
    if (!FileBytes::ReadText(path, b) || b.size() < 54 || b[0] != 'B' || b[1] != 'M') return false;
    if (Le(b, 28, 2) != 24 || Le(b, 30, 4) != 0) return false;
    out.width = static_cast<int>(Le(b, 18, 4));
    out.height = static_cast<int>(Le(b, 22, 4));
    const size_t row = (static_cast<size_t>(out.width) * 3 + 3) & ~size_t{3};
    const size_t offset = Le(b, 10, 4);
    if (b.size() < offset + row * out.height) return false;
    out.rgb.resize(static_cast<size_t>(out.width) * out.height * 3);
    for (int y = 0; y < out.height; ++y)
        for (int x = 0; x < out.width; ++x)
            for (int c = 0; c < 3; ++c)
                out.rgb[(static_cast<size_t>(y) * out.width + x) * 3 + c] =
                    static_cast<uint8_t>(b[offset + (out.height - 1 - y) * row + x * 3 + (2 - c)]);
    return true;
}

bool JpegSize(const std::string& path, int& w, int& h)
{
    std::string b;
    if (!FileBytes::ReadText(path, b) || b.empty()) return false;
    tjhandle t = tjInitDecompress();
    int sub = 0, space = 0;
    const int rc = tjDecompressHeader3(t, reinterpret_cast<const unsigned char*>(b.data()),
                                       static_cast<unsigned long>(b.size()), &w, &h, &sub, &space);
    tjDestroy(t);
    return rc == 0;
}

bool PictureSize(const std::string& name, int& w, int& h)
{
    const std::string path = kSkins + "/" + name;
    if (name.ends_with(".jpg")) return JpegSize(path, w, h);
    Picture p;
    if (!ReadBmp(path, p)) return false;
    w = p.width, h = p.height;
    return true;
}

// The sections of an INI file in the form the Windows INI functions write.
using Sections = std::map<std::string, std::vector<std::pair<std::string, std::string>>>;

Sections ReadIni(const std::string& path)
{
    std::string text;
    FileBytes::ReadText(path, text);
    Sections s;
    std::string section;
    size_t start = 0;
    while (start < text.size()) {
        size_t end = text.find("\r\n", start);
        EXPECT_NE(end, std::string::npos) << path << ": every line ends with CR LF";
        if (end == std::string::npos) break;
        const std::string line = text.substr(start, end - start);
        start = end + 2;
        if (line.size() > 2 && line.front() == '[' && line.back() == ']') {
            section = line.substr(1, line.size() - 2);
            s[section];
        } else if (size_t eq = line.find('='); eq != std::string::npos) {
            s[section].emplace_back(line.substr(0, eq), line.substr(eq + 1));
        } else {
            ADD_FAILURE() << path << ": stray line '" << line << "'";
        }
    }
    return s;
}

struct Pos {
    std::string name;
    int x = 0, y = 0, w = 0, h = 0;
};

bool ParsePos(const std::string& v, Pos& p)
{
    std::istringstream in(v);
    std::string field;
    std::vector<std::string> f;
    while (std::getline(in, field, ',')) f.push_back(field);
    if (f.size() == 5 && !v.empty() && v.back() == ',') f.push_back("");
    if (f.size() != 6) return false;
    p.name = f[0];
    try {
        p.x = std::stoi(f[1]), p.y = std::stoi(f[2]), p.w = std::stoi(f[3]), p.h = std::stoi(f[4]);
    } catch (...) {
        return false;
    }
    return true;
}

SkinLayout LayoutOf(const std::string& iniName)
{
    for (const auto& e : std::filesystem::directory_iterator(kLayouts)) {
        std::string text;
        FileBytes::ReadText(e.path().string(), text);
        LayoutParseResult r = LayoutParser::Parse(text, e.path().filename().string());
        if (r.Ok() && r.layout.iniName == iniName) return r.layout;
    }
    ADD_FAILURE() << "no layout writes " << iniName;
    return {};
}

}  // namespace

TEST(SkinFiles, EverySkinHasItsKeysAndFivePicturesOfOneSize)
{
    for (const auto& [ini, keys] : kSkinKeys) {
        SCOPED_TRACE(ini);
        const Sections s = ReadIni(kSkins + "/" + ini);
        ASSERT_EQ(s.count("SCREEN"), 1u);
        const auto& screen = s.at("SCREEN");
        const char* names[5] = {"Mask", "Normal", "Over", "Down", "Disable"};
        ASSERT_EQ(screen.size(), 5u);
        int width = -1, height = -1;
        for (int i = 0; i < 5; ++i) {
            EXPECT_EQ(screen[i].first, names[i]);
            int w = 0, h = 0;
            ASSERT_TRUE(PictureSize(screen[i].second, w, h)) << screen[i].second;
            if (i == 0) {
                EXPECT_TRUE(screen[i].second.ends_with(".bmp")) << "a lossy mask would not stay pure white";
                width = w, height = h;
            }
            EXPECT_EQ(w, width) << screen[i].second;
            EXPECT_EQ(h, height) << screen[i].second;
        }

        std::set<int> found;
        for (const auto& [key, value] : s.at("BUTTONPOS")) {
            found.insert(std::stoi(key));
            EXPECT_EQ(std::to_string(std::stoi(key)), key) << "keys are plain decimal numbers";
            Pos p;
            ASSERT_TRUE(ParsePos(value, p)) << key << "=" << value;
            EXPECT_TRUE(p.x >= 0 && p.y >= 0 && p.w >= 0 && p.h >= 0 && p.x + p.w <= width && p.y + p.h <= height)
                << key << "=" << value << " in " << width << "x" << height;
        }
        EXPECT_EQ(found, keys);
    }
}

TEST(SkinFiles, MaskIsWhiteOutsideTheOutlineOnlyAndCoversEveryControl)
{
    for (const auto& entry : kSkinKeys) {
        const std::string& ini = entry.first;
        SCOPED_TRACE(ini);
        const SkinLayout l = LayoutOf(ini);
        Picture mask;
        ASSERT_TRUE(ReadBmp(kSkins + "/" + SkinGenerator::ScreenPictures(l)[0], mask));
        ASSERT_EQ(mask.width, l.width);
        EXPECT_FALSE(mask.White(l.width / 2, l.height / 2));
        // A rectangle keeps every pixel; any other outline loses its corners.
        EXPECT_EQ(mask.White(0, 0), l.outline != OutlineShape::Rect);
        EXPECT_EQ(mask.White(l.width - 1, l.height - 1), l.outline != OutlineShape::Rect);
        for (const SkinControl& c : l.controls)
            for (int y = c.rect.y; y < c.rect.y + c.rect.h; ++y)
                for (int x = c.rect.x; x < c.rect.x + c.rect.w; ++x)
                    ASSERT_FALSE(mask.White(x, y)) << "key " << c.key << " pixel " << x << "," << y;
    }
}

TEST(SkinFiles, PicturesTheCodeNamesMatchTheirControls)
{
    for (const char* thumb : {"scroll_arrow_down.bmp", "scroll_arrow_up.bmp"}) {
        Picture p;
        ASSERT_TRUE(ReadBmp(kSkins + "/" + thumb, p)) << thumb;
        // The slider treats the colour of pixel (0,0) as transparent; the pointer must differ.
        const uint8_t* corner = &p.rgb[0];
        EXPECT_EQ(corner[0], 255);
        EXPECT_EQ(corner[1], 0);
        EXPECT_EQ(corner[2], 255);
        const uint8_t* middle = &p.rgb[((p.height / 2) * p.width + p.width / 2) * 3];
        EXPECT_NE(middle[1], 0) << thumb;
    }

    const SkinLayout dpi = LayoutOf("skin_DPI.ini");
    Picture rowMask;
    ASSERT_TRUE(ReadBmp(kSkins + "/DPI_Window_Mask.bmp", rowMask));
    for (int key = 5; key <= 9; ++key) {
        EXPECT_EQ(rowMask.width, dpi.Find(key)->rect.w);
        EXPECT_EQ(rowMask.height, dpi.Find(key)->rect.h);
    }
    EXPECT_TRUE(rowMask.White(0, 0));
    EXPECT_FALSE(rowMask.White(rowMask.width / 2, rowMask.height / 2));

    const SkinRect record = LayoutOf("skin_macro_manager.ini").Find(7)->rect;
    for (const char* stem : {"start_record_", "stop_record_"}) {
        for (const char* state : {"normal", "over", "down"}) {
            int w = 0, h = 0;
            const std::string name = std::string(stem) + state + ".jpg";
            ASSERT_TRUE(JpegSize(kSkins + "/" + name, w, h)) << name;
            EXPECT_EQ(w, record.w) << name;
            EXPECT_EQ(h, record.h) << name;
        }
    }
}

TEST(SkinFiles, PaletteHoldsThePureColoursExactly)
{
    // The colour dialog takes the colour of the pixel under the mouse from its Normal picture.
    const SkinLayout l = LayoutOf("skin_dpi_color.ini");
    Picture normal;
    ASSERT_TRUE(ReadBmp(kSkins + "/" + SkinGenerator::ScreenPictures(l)[1], normal));
    const SkinRect palette = l.Find(4)->rect;
    std::set<std::vector<uint8_t>> seen;
    for (int y = palette.y; y < palette.y + palette.h; ++y)
        for (int x = palette.x; x < palette.x + palette.w; ++x) {
            const uint8_t* p = &normal.rgb[(static_cast<size_t>(y) * normal.width + x) * 3];
            seen.insert({p[0], p[1], p[2]});
        }
    for (std::vector<uint8_t> pure : {std::vector<uint8_t>{255, 0, 0}, {0, 255, 0}, {0, 0, 255},
                                      {255, 255, 255}, {0, 0, 0}})
        EXPECT_EQ(seen.count(pure), 1u) << int(pure[0]) << "," << int(pure[1]) << "," << int(pure[2]);
}
