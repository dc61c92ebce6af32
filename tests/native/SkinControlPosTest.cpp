#include <gtest/gtest.h>

#include <string>

#include "SkinControlPos.h"

namespace {

struct PosCase {
    const char* value;
    const char* name;
    SkinRect rect;
    const char* tooltip;
};

TEST(ParseButtonPos, Cases)
{
    const PosCase cases[] = {
        {"browser1,281,172,30,20,", "browser1", {281, 172, 311, 192}, ""},
        {"OK,10,20,30,40,  Save and close  ", "OK", {10, 20, 40, 60}, "Save and close"},
        {"neg,-5,-6,10,10,tip", "neg", {-5, -6, 5, 4}, "tip"},
        // Fields that cannot be read stay 0; with no further comma the remainder is the tooltip.
        {"short,7,8", "short", {7, 8, 7, 8}, "8"},
        {"bad,x,1,2,3,t", "bad", {0, 0, 0, 0}, "t"},
        {"only", "only", {0, 0, 0, 0}, ""},
        {"", "", {0, 0, 0, 0}, ""},
        {",1,2,3,4,", "", {1, 2, 4, 6}, ""},
        // Numbers too large for 32 bits saturate instead of wrapping.
        {"big,2147483647,0,99999999999,1,", "big", {2147483647, 0, 2147483647, 1}, ""},
    };
    for (const PosCase& c : cases) {
        SCOPED_TRACE(c.value);
        const SkinControlPos pos = ParseButtonPos(c.value);
        EXPECT_STREQ(pos.name, c.name);
        EXPECT_EQ(pos.rect.left, c.rect.left);
        EXPECT_EQ(pos.rect.top, c.rect.top);
        EXPECT_EQ(pos.rect.right, c.rect.right);
        EXPECT_EQ(pos.rect.bottom, c.rect.bottom);
        EXPECT_STREQ(pos.tooltip, c.tooltip);
        EXPECT_EQ(pos.checked, 0);
    }
}

TEST(ParseButtonPos, LongFieldsAreCutToTheirBuffers)
{
    const std::string value = std::string(100, 'n') + ",1,2,3,4," + std::string(1000, 't');
    const SkinControlPos pos = ParseButtonPos(value);
    EXPECT_EQ(std::string(pos.name), std::string(39, 'n'));
    EXPECT_EQ(std::string(pos.tooltip), std::string(399, 't'));
    EXPECT_EQ(pos.rect.right, 4);
}

}  // namespace
