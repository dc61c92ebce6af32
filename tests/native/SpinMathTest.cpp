#include <gtest/gtest.h>

#include <climits>

#include "LevelSpinTable.h"
#include "SpinMath.h"

namespace {

using namespace SpinMath;

TEST(SpinMath, Snap)
{
    const int cases[][3] = {// a, step, snapped
                            {1, 5, 0}, {2, 5, 0}, {3, 5, 5}, {13, 5, 15}, {12, 5, 10}, {255, 1, 255},
                            {-3, 5, 0}, {-8, 5, -5}, {7, 0, 7}, {INT_MAX, 5, 2147483645}};
    for (const auto& c : cases) EXPECT_EQ(Snap(c[0], c[1]), c[2]) << c[0] << " step " << c[1];
}

TEST(SpinMath, TypingIntoTheSpinEdit)
{
    // Step 1, range 0 to 255: 3, 30 pass; 300 is limited to 255 and shown.
    EXPECT_EQ(OnEditChange("3", 1, 0, 255).value, 3);
    EXPECT_FALSE(OnEditChange("3", 1, 0, 255).show);
    EXPECT_EQ(OnEditChange("30", 1, 0, 255).value, 30);
    const EditOutcome over = OnEditChange("300", 1, 0, 255);
    EXPECT_EQ(over.value, 255);
    EXPECT_EQ(over.show, 255);
    // An empty box posts 0 and is left empty.
    EXPECT_EQ(OnEditChange("", 1, 0, 255).value, 0);
    EXPECT_FALSE(OnEditChange("", 1, 0, 255).show);
    // Step 5: 1 is snapped to 0 at once; 13 to 15.
    EXPECT_EQ(OnEditChange("1", 5, 0, 255).show, 0);
    EXPECT_EQ(OnEditChange("13", 5, 0, 255).show, 15);
    EXPECT_EQ(OnEditChange("  42", 1, 0, 255).value, 42);
}

TEST(SpinMath, ArrowsStopAtTheEnds)
{
    EXPECT_EQ(EditUp(255, 1, 0, 255), 255);  // the box already shows it: nothing changes
    EXPECT_EQ(EditDown(0, 1, 0, 255), 0);
    EXPECT_EQ(EditUp(254, 1, 0, 255), 255);
    EXPECT_EQ(EditDown(3, 5, 0, 255), 0);
    EXPECT_FALSE(EditUp(300, 1, 0, 255));
    EXPECT_FALSE(EditDown(-1, 1, 0, 255));
}

TEST(SpinMath, NumberRules)
{
    EXPECT_EQ(ReadNumberOnReturn("abc-12x"), -12);
    EXPECT_EQ(ReadNumberOnReturn("007"), 7);
    EXPECT_EQ(ReadNumberOnReturn("0"), 0);
    EXPECT_EQ(ReadNumber("99999999999999"), INT_MAX);
    EXPECT_EQ(DigitLimit(0, 255), 3);
    EXPECT_EQ(DigitLimit(-9, 12), 3);
    EXPECT_EQ(DigitLimit(0, 0), 1);
    EXPECT_EQ(KeepNumberCharacters("12a,5"), "12,5");
    EXPECT_EQ(KeepNumberCharacters("x.-1 "), ".1");
    for (unsigned vk : {48u, 57u, 8u, 13u, 35u, 36u, 37u, 39u, 46u, 188u, 190u}) EXPECT_TRUE(IsNumberFilterKey(vk)) << vk;
    for (unsigned vk : {0x65u /* keypad 5 */, 38u, 40u, 65u, 189u, 32u}) EXPECT_FALSE(IsNumberFilterKey(vk)) << vk;
}

TEST(LevelSpinTable, StepsThroughTheTable)
{
    LevelSpinTable spin;
    spin.SetRange(1, 12);
    spin.SetValue(12);
    EXPECT_FALSE(spin.Up());
    spin.SetValue(1);
    EXPECT_FALSE(spin.Down());
    EXPECT_EQ(spin.Up(), 2);
    EXPECT_EQ(spin.Up(), 3);
    EXPECT_EQ(spin.Down(), 2);
    // A value missing from the table keeps the default index 1: up then gives entry 2, i.e. 3.
    spin.SetValue(0);
    EXPECT_EQ(spin.Value(), 0);
    EXPECT_EQ(spin.Index(), 1);
    EXPECT_EQ(spin.Up(), 3);
    // A range narrower than the table limits the values.
    spin.SetRange(2, 4);
    spin.SetValue(4);
    EXPECT_FALSE(spin.Up());
    spin.SetValue(3);
    EXPECT_EQ(spin.Up(), 4);
    spin.SetValue(2);
    EXPECT_FALSE(spin.Down());
    EXPECT_TRUE(spin.Reports(4));
    EXPECT_FALSE(spin.Reports(5));
}

}  // namespace
