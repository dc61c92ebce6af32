#include "LanguageLibrary.h"

#include <windows.h>

#include <gtest/gtest.h>

#include <filesystem>
#include <string>
#include <vector>

#include "TempDir.h"

namespace {

TEST(LanguageLibrary, HasATextForEveryNumberTheProgramsUse)
{
    LanguageLibrary library;
    ASSERT_TRUE(library.Load());
    for (unsigned number = 1000; number <= 1076; ++number) EXPECT_NE("", library.Text(number)) << number;
}

TEST(LanguageLibrary, UnknownNumbersGiveEmptyTexts)
{
    LanguageLibrary library;
    ASSERT_TRUE(library.Load());
    for (unsigned number : {0u, 999u, 1077u, 65535u}) EXPECT_EQ("", library.Text(number)) << number;
}

TEST(LanguageLibrary, MissingLibraryGivesEmptyTexts)
{
    TempDir empty;
    LanguageLibrary library;
    EXPECT_FALSE(library.Load(empty.Folder()));
    EXPECT_FALSE(library.IsLoaded());
    EXPECT_EQ("", library.Text(1000));

    LanguageLibrary neverLoaded;
    EXPECT_EQ("", neverLoaded.Text(1002));
}

TEST(LanguageLibrary, FailedLoadDropsTheLibraryLoadedBefore)
{
    TempDir empty;
    LanguageLibrary library;
    ASSERT_TRUE(library.Load());
    EXPECT_FALSE(library.Load(empty.Folder()));
    EXPECT_EQ("", library.Text(1000));
}

// A copy of lingo.dll in its own folder, with string 2000 of 300 characters and string 2001
// of 259 added, shows both the full-path loading and the cut.
TEST(LanguageLibrary, LongTextsAreCutTo259Characters)
{
    TempDir folder;
    std::filesystem::copy_file(GetProgramFolder() + LanguageLibrary::kFileName, folder.File(LanguageLibrary::kFileName));

    // String block 126 holds numbers 2000-2015: each a length word and UTF-16 characters.
    std::vector<WORD> block;
    for (size_t length : {300u, 259u}) {
        block.push_back(static_cast<WORD>(length));
        block.insert(block.end(), length, L'x');
    }
    block.insert(block.end(), 14, 0);
    HANDLE update = BeginUpdateResourceA(folder.File(LanguageLibrary::kFileName).c_str(), FALSE);
    ASSERT_NE(nullptr, update);
    ASSERT_TRUE(UpdateResourceA(update, MAKEINTRESOURCEA(6), MAKEINTRESOURCEA(126),
                                MAKELANGID(LANG_ENGLISH, SUBLANG_ENGLISH_US), block.data(),
                                static_cast<DWORD>(block.size() * sizeof(WORD))));
    ASSERT_TRUE(EndUpdateResourceA(update, FALSE));

    LanguageLibrary original, copy;
    ASSERT_TRUE(original.Load());
    ASSERT_TRUE(copy.Load(folder.Folder()));
    EXPECT_EQ(std::string(259, 'x'), copy.Text(2000));
    EXPECT_EQ(std::string(259, 'x'), copy.Text(2001));
    EXPECT_EQ("", original.Text(2000));
    EXPECT_EQ(original.Text(1000), copy.Text(1000));
}

}  // namespace
