#include <windows.h>
#include <gtest/gtest.h>
TEST(Lingo, Loads) { HMODULE h = LoadLibraryExA("lingo.dll", nullptr, LOAD_LIBRARY_AS_DATAFILE); ASSERT_NE(nullptr, h); char b[260]; EXPECT_GT(LoadStringA(h, 1000, b, 260), 0); FreeLibrary(h);}
