#include "MacroList.h"

#include <gtest/gtest.h>

#include <cstring>
#include <filesystem>

#include "CIniFile.h"
#include "IniText.h"
#include "TempDir.h"

namespace {

MacroRecord Macro(const char* name, int events, uint16_t delay = 10)
{
    MacroRecord r{};
    std::strncpy(r.Name, name, sizeof r.Name - 1);
    r.RepeatCount = 1;
    r.EventCount = events;
    for (int i = 0; i < events; ++i)
        r.Events[i] = {static_cast<uint8_t>(4 + i % 26), static_cast<uint8_t>(i % 2 ? kMacroRelease : kMacroPress), delay};
    return r;
}

bool Same(const MacroRecord& a, const MacroRecord& b) { return std::memcmp(&a, &b, sizeof a) == 0; }

class MacroListTest : public ::testing::Test {
protected:
    void SetUp() override { std::filesystem::create_directories(dir.Folder() + "config"); }
    std::string Store() const { return TempDir::Read(MacroStorePath(dir.Folder())); }
    TempDir dir;
};

TEST_F(MacroListTest, EmptyListWritesOnlyTheCount)
{
    SaveMacroList({}, dir.Folder());
    EXPECT_EQ("[Macros]\r\nnumber=0\r\n", Store());
    MacroList list;
    LoadMacroList(&list, dir.Folder());
    EXPECT_TRUE(list.empty());
}

TEST_F(MacroListTest, MissingStoreLoadsAsEmpty)
{
    MacroList list;
    LoadMacroList(&list, dir.Folder());
    EXPECT_TRUE(list.empty());
}

TEST_F(MacroListTest, SavingAfterADeleteRenumbersWithoutGaps)
{
    MacroList list = {Macro("one", 2), Macro("two", 4), Macro("three", 6)};
    SaveMacroList(list, dir.Folder());
    list.erase(list.begin() + 1);
    SaveMacroList(list, dir.Folder());

    std::vector<std::string> keys;
    for (const IniLine& l : IniLines(Store())) keys.push_back(l.key);
    EXPECT_EQ((std::vector<std::string>{"number", "0", "1"}), keys);
    MacroList loaded;
    LoadMacroList(&loaded, dir.Folder());
    ASSERT_EQ(2u, loaded.size());
    EXPECT_TRUE(Same(list[0], loaded[0]));
    EXPECT_TRUE(Same(list[1], loaded[1]));
}

TEST_F(MacroListTest, FullMacroWithLongestDelaysSurvivesBothFiles)
{
    const MacroRecord full = Macro("all forty", kMacroMaxEvents, 65535);
    SaveMacroList({full}, dir.Folder());
    MacroList loaded;
    LoadMacroList(&loaded, dir.Folder());
    ASSERT_EQ(1u, loaded.size());
    EXPECT_TRUE(Same(full, loaded[0]));

    const std::string file = dir.File("all.macro");
    TempDir::Write(file, "[Macros]\r\nnumber=9\r\n");  // replaced, not merged
    ASSERT_TRUE(ExportMacro(full, file));
    EXPECT_EQ("[Macros]\r\n0=" + StructText(&full, sizeof full) + "\r\n", TempDir::Read(file));
    MacroRecord imported{};
    ASSERT_TRUE(ImportMacro(&imported, file));
    EXPECT_TRUE(Same(full, imported));
}

TEST_F(MacroListTest, DamagedEntriesAreSkippedAndRecordsMadeSafe)
{
    MacroRecord hostile = Macro("x", 3);
    std::memset(hostile.Name, 'N', sizeof hostile.Name);
    hostile.EventCount = 99;
    hostile.Events[39] = {4, 1, 5};
    MacroRecord negative = Macro("neg", 0);
    negative.EventCount = -4;
    negative.Events[0] = {5, 1, 1};
    SaveMacroList({Macro("a", 1), Macro("b", 1), hostile, negative}, dir.Folder());
    const CIniFile ini(MacroStorePath(dir.Folder()));
    ini.SetString("Macros", "1", "00FF");  // wrong length
    ini.SetInt("Macros", "number", 6);    // two more than there are

    MacroList list;
    LoadMacroList(&list, dir.Folder());
    ASSERT_EQ(3u, list.size());
    EXPECT_STREQ("a", list[0].Name);
    EXPECT_EQ(std::string(51, 'N'), list[1].Name);
    EXPECT_EQ(40, list[1].EventCount);
    EXPECT_EQ(4, list[1].Events[39].Key);
    EXPECT_EQ(0, list[2].EventCount);
    EXPECT_EQ(0, list[2].Events[0].Key);  // nothing survives past the count
}

TEST_F(MacroListTest, AnAbsurdCountIsBounded)
{
    SaveMacroList({Macro("only", 1)}, dir.Folder());
    CIniFile(MacroStorePath(dir.Folder())).SetInt("Macros", "number", 2000000000);
    MacroList list;
    LoadMacroList(&list, dir.Folder());
    EXPECT_EQ(1u, list.size());
}

TEST_F(MacroListTest, AFailedSaveKeepsTheStoredMacros)
{
    SaveMacroList({Macro("kept", 2)}, dir.Folder());
    const std::string before = Store();
    // A folder where the new store would be written makes every write fail.
    const std::string blocker = MacroStorePath(dir.Folder()) + ".new";
    std::filesystem::create_directories(blocker);
    TempDir::Write(blocker + kDirSep + "inside", "x");  // not empty, so it cannot be removed
    SaveMacroList({}, dir.Folder());
    EXPECT_EQ(before, Store());
}

TEST_F(MacroListTest, ImportOfAFileWithoutAMacroFails)
{
    const std::string file = dir.File("junk.macro");
    TempDir::Write(file, std::string("\x01\x02garbage\0\xff[Macros\r\n0==", 22));
    MacroRecord r = Macro("unchanged", 1);
    const MacroRecord before = r;
    EXPECT_FALSE(ImportMacro(&r, file));
    EXPECT_TRUE(Same(before, r));
    EXPECT_FALSE(ImportMacro(&r, dir.File("absent.macro")));
}

}  // namespace
