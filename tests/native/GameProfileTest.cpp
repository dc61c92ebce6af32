#include "GameProfile.h"

#include <gtest/gtest.h>

#include <cstring>
#include <memory>

namespace {

TEST(GameProfile, FirstProfileNamingTheProgramWins)
{
    auto block = std::make_unique<SettingsBlock>();
    std::memset(block.get(), 0, sizeof *block);
    std::strcpy(block->Profiles[1].GameFile, "  C:\\Games\\Raid\\RAID.exe \t");
    std::strcpy(block->Profiles[3].GameFile, "D:/other/raid.EXE");
    std::strcpy(block->Profiles[4].GameFile, "notepad.exe");
    std::memset(block->Profiles[0].GameFile, 'x', sizeof block->Profiles[0].GameFile);  // no NUL at all

    struct Case {
        const char* program;
        int profile;
    } cases[] = {
        {"raid.exe", 1}, {"Notepad.EXE", 4}, {"unknown", -1}, {"", -1}, {"raid", -1}, {"games", -1},
    };
    for (const Case& c : cases) EXPECT_EQ(c.profile, FindGameProfile(*block, c.program)) << c.program;
}

}  // namespace
