#include <gtest/gtest.h>

#include <string>

#include "MenuItemTable.h"

namespace {

TEST(MenuItemTable, WidthRules)
{
    const std::string twenty(20, 'x');
    MenuItemTable set;
    set.Append(1001, twenty, -1);
    set.SetItemWidth(40);
    EXPECT_EQ(set.Measure(1001).width, 40);

    MenuItemTable appended;
    appended.SetItemWidth(40);
    appended.Append(1001, twenty, -1);
    EXPECT_EQ(appended.Measure(1001).width, 160);
    appended.Append(1002, "ab", -1);  // shorter items never narrow it
    EXPECT_EQ(appended.ItemWidth(), 160);
}

TEST(MenuItemTable, HeightsAndLookup)
{
    MenuItemTable menu;
    menu.Append(1001, "Left", 1);
    menu.Append(MenuItemTable::kSeparatorCommand, "", -1);
    menu.Append(1001, "again", 0);
    EXPECT_EQ(menu.Measure(0).height, 5);     // separator
    EXPECT_EQ(menu.Measure(1).height, 0);     // hidden item
    EXPECT_EQ(menu.Measure(1001).height, 21);
    EXPECT_EQ(menu.Find(1001).text, "Left");  // the first entry wins
    EXPECT_EQ(menu.Find(1001).check, 1);
    EXPECT_EQ(menu.Find(1001).position, 0);
    EXPECT_EQ(menu.Find(77).text, "");
    EXPECT_EQ(menu.Find(77).check, -1);
    EXPECT_EQ(menu.Items()[1].position, 1);
}

}  // namespace
