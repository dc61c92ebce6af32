#include "SettingsBlock.h"
#include <gtest/gtest.h>
TEST(SettingsBlock, Placeholder) { SettingsBlock b; ClearSettingsBlock(&b); EXPECT_EQ(-1, b.CurrentProfile); }
