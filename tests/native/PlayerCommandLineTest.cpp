#include "PlayerCommandLine.h"

#include <gtest/gtest.h>

TEST(PlayerCommandLine, QuotedProgramIsCutFromItsArguments)
{
    struct Case {
        const char* Value;
        const char* Program;
    };
    const Case cases[] = {
        {R"("C:\Program Files\Winamp\winamp.exe" "%1")", R"(C:\Program Files\Winamp\winamp.exe)"},
        {R"("C:\Real\realplay.exe)", R"(C:\Real\realplay.exe)"},  // no closing quote: to the end
        {R"(C:\Real\realplay.exe "%1")", R"(:\Real\realplay.exe )"},  // taken to begin with a quote
        {R"(C:\Winamp\winamp.exe /ADD)", R"(C:\Winamp\winamp.exe /ADD)"},
        {R"("")", ""},
        {R"(")", ""},
        {"", ""},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.Value);
        EXPECT_EQ(c.Program, PlayerProgramOf(c.Value));
    }
}

TEST(PlayerCommandLine, PlayerNameIgnoresCase)
{
    EXPECT_TRUE(CommandNamesPlayer(R"(C:\PROGRAM FILES\WINAMP\WINAMP.EXE)", "winamp"));
    EXPECT_TRUE(CommandNamesPlayer(R"(C:\Real\RealPlay.exe)", "realplay"));
    EXPECT_TRUE(CommandNamesPlayer(R"(C:\Program Files\itunes\iTunes.exe)", "iTunes"));
    EXPECT_FALSE(CommandNamesPlayer(R"(C:\Program Files\Other\player.exe)", "winamp"));
    EXPECT_FALSE(CommandNamesPlayer("", "winamp"));
}
