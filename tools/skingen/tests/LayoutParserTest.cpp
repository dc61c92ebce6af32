#include "LayoutParser.h"
#include "SkinGenerator.h"

#include <gtest/gtest.h>

namespace {

const std::string kHead = "window 200 100\nskin skin_x.ini\npictures x\n";

LayoutParseResult Parse(const std::string& text) { return LayoutParser::Parse(text, "x.layout"); }

}  // namespace

TEST(LayoutParser, ReadsAWholeWindow)
{
    const LayoutParseResult r = Parse(kHead +
                                      "outline rounded 12   # corners\n"
                                      "\n"
                                      "text 4 5 \"Say \\\"hi\\\"\" size=14 weight=bold color=accent width=90 align=right\n"
                                      "key 2 toggle lamp 10 20 30 40 \"ON\" \"Turn it on\"\n"
                                      "key 1 edit box 0 0 200 100 \"\" \"\" fill=#E5E5E5\n"
                                      "key 3 hidden gone\n"
                                      "picture record-stop stop_rec \"STOP\" key=2\n");
    ASSERT_TRUE(r.Ok()) << r.errors[0];
    const SkinLayout& l = r.layout;
    EXPECT_EQ(l.width, 200);
    EXPECT_EQ(l.height, 100);
    EXPECT_EQ(l.outline, OutlineShape::Rounded);
    EXPECT_EQ(l.outlineSize, 12);
    ASSERT_EQ(l.texts.size(), 1u);
    EXPECT_EQ(l.texts[0].text, "Say \"hi\"");
    EXPECT_TRUE(l.texts[0].bold);
    EXPECT_EQ(l.texts[0].align, TextAlign::Right);
    EXPECT_EQ(l.texts[0].colour, (Rgb{250, 158, 57}));
    ASSERT_EQ(l.controls.size(), 3u);  // sorted by key
    EXPECT_EQ(l.controls[0].fill, (Rgb{0xE5, 0xE5, 0xE5}));
    const SkinControl& lamp = l.controls[1];
    EXPECT_EQ(lamp.kind, ControlKind::Toggle);
    EXPECT_EQ(SkinGenerator::ButtonPosValue(lamp), "lamp,10,20,30,40,Turn it on");
    EXPECT_EQ(SkinGenerator::ButtonPosValue(l.controls[2]), "gone,0,0,0,0,");
    ASSERT_EQ(l.extras.size(), 1u);
    EXPECT_EQ(l.extras[0].label, "STOP");
    EXPECT_EQ(l.extras[0].key, 2);
}

TEST(LayoutParser, BadLinesNameTheFileTheLineAndTheFault)
{
    const struct {
        std::string line;
        std::string message;
    } cases[] = {
        {"frobnicate 1", "unknown statement 'frobnicate'"},
        {"key 1 button b 1 2 3", "missing height"},
        {"key 1 button b 1 2 x 4", "width is not a whole number: 'x'"},
        {"key 1 button b 1 2 -3 4", "width -3 is outside 1..4000"},
        {"key 1 wobble b 1 2 3 4", "unknown control kind 'wobble'"},
        {"key 1 button a,b 1 2 3 4", "control name must have at most 39 characters and no comma"},
        {"key 1 button b 1 2 3 4 \"L\" \"one, two\"", "tooltip must have at most 399 characters and no comma"},
        {"key 1 button b 190 2 30 4", "key 1 lies outside the 200x100 window"},
        {"key 1 button b 1 2 3 4 shiny=yes", "unknown option 'shiny'"},
        {"text 1 2 \"open", "text without its closing quote"},
        {"text 1 2 \"t\" color=mauve", "unknown colour 'mauve' (white, text, dim, accent, dark, line or #RRGGBB)"},
        {"text 1 2 \"t\" align=centre", "align needs width=W"},
        {"outline star 3", "unknown outline 'star' (rect, rounded R or chamfer C)"},
        {"window 10 10", "second 'window' statement"},
        {"leader 9 0", "'leader' without a 'mouse'"},
        {"picture rowmask row.bmp key=7", "picture 'row.bmp' needs key=N of a control with a rectangle"},
        {"picture thumb-up up.jpg", "'up.jpg' must be a plain file name ending in .bmp"},
        {"key 1 button b 1 2 3 4 \"L\" \"T\" extra", "unexpected 'extra'"},
        {"key 1 button b 1 2 3 4 extra", "unexpected word 'extra'"},
        {std::string(1200, 'x'), "line longer than 1000 characters"},
    };
    for (const auto& c : cases) {
        const LayoutParseResult r = Parse(kHead + c.line + "\n");
        ASSERT_FALSE(r.errors.empty()) << c.line;
        EXPECT_EQ(r.errors[0], "x.layout:4: " + c.message) << c.line;
    }
}

TEST(LayoutParser, ReportsEveryBadLineAndMissingHeader)
{
    const LayoutParseResult r = Parse("key 1 button b 1 2 3 4\nkey 1 button c 1 2 3 4\nbogus\n");
    const std::vector<std::string> expected = {
        "x.layout:2: key 1 defined twice",
        "x.layout:3: unknown statement 'bogus'",
        "x.layout:3: no 'window' statement",
        "x.layout:3: no 'skin' statement",
        "x.layout:3: no 'pictures' statement",
    };
    EXPECT_EQ(r.errors, expected);
}
