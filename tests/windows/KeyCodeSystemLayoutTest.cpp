#include "win32/KeyCodeSystemLayout.h"

#include <windows.h>

#include <gtest/gtest.h>

#include <cstdlib>
#include <memory>
#include <string>

#include "KeyCodeTable.h"

namespace {

// Wine's keyboard layout follows the X keymap of its display, read when a process starts;
// LoadKeyboardLayout gives no other layout. So the French case switches the private test
// display's keymap and runs this test again in a fresh process.
constexpr const char* kChildFlag = "KV_KEYCODES_FRENCH_CHILD";
constexpr int kNotFrench = 3;

using Handle = std::unique_ptr<void, decltype(&CloseHandle)>;

// Runs a command line and waits for it; false when it cannot be started.
bool RunAndWait(std::string commandLine, DWORD* exitCode = nullptr)
{
    STARTUPINFOA startup{};
    startup.cb = sizeof startup;
    PROCESS_INFORMATION info{};
    if (!CreateProcessA(nullptr, commandLine.data(), nullptr, nullptr, FALSE, 0, nullptr, nullptr, &startup, &info))
        return false;
    Handle process(info.hProcess, &CloseHandle);
    Handle thread(info.hThread, &CloseHandle);
    WaitForSingleObject(process.get(), 60000);
    if (exitCode) GetExitCodeProcess(process.get(), exitCode);
    return true;
}

// Puts the display back to the US keymap that the test session starts with.
struct UsKeymapRestorer {
    ~UsKeymapRestorer() { RunAndWait("/usr/bin/setxkbmap us"); }
};

TEST(KeyCodeSystemLayout, UsLayoutMatchesTheTable)
{
    const KeyCodeSystemLayout layout;
    ASSERT_EQ(30, layout.VkToScan('A')) << "the display's keymap is not US";
    EXPECT_EQ(4, VkToUsage(65).Code);
    EXPECT_EQ(65, UsageToVk(4).Code);
    EXPECT_EQ(40, VkToUsage(13).Code);
    EXPECT_EQ(13, UsageToVk(40).Code);
    for (const KeyCodeRow& row : KeyCodeTable) {
        KeyCodeLookup usage = VkToUsage(row.VirtualKey);
        EXPECT_EQ(row.Usage, usage.Code) << row.VirtualKey;
        EXPECT_EQ(row.VirtualKey, UsageToVk(usage.Code).Code) << row.VirtualKey;
    }
}

TEST(KeyCodeSystemLayout, ScanCodesTellLeftFromRight)
{
    const KeyCodeSystemLayout layout;
    EXPECT_EQ(160, layout.ScanToVk(42));
    EXPECT_EQ(161, layout.ScanToVk(54));
}

TEST(KeyCodeSystemLayout, FrenchLayoutGoesByPhysicalKey)
{
    if (std::getenv(kChildFlag)) {
        const KeyCodeSystemLayout layout;
        if (layout.VkToScan('A') != 16) std::_Exit(kNotFrench);
        EXPECT_EQ(20, VkToUsage(65).Code);
        EXPECT_EQ(4, VkToUsage(81).Code);
        EXPECT_EQ(51, VkToUsage(77).Code);
        EXPECT_EQ(65, UsageToVk(20).Code);
        EXPECT_EQ(81, UsageToVk(4).Code);
        EXPECT_EQ(77, UsageToVk(51).Code);
        EXPECT_EQ(40, VkToUsage(13).Code);
        EXPECT_EQ(97, UsageToVk(89).Code);
        return;
    }

    UsKeymapRestorer restorer;
    if (!RunAndWait("/usr/bin/setxkbmap fr")) GTEST_SKIP() << "setxkbmap cannot be started from Wine";
    char self[MAX_PATH] = {};
    ASSERT_NE(0u, GetModuleFileNameA(nullptr, self, MAX_PATH));
    SetEnvironmentVariableA(kChildFlag, "1");
    DWORD exitCode = 1;
    bool started = RunAndWait("\"" + std::string(self) + "\" --gtest_filter=KeyCodeSystemLayout.FrenchLayoutGoesByPhysicalKey",
                       &exitCode);
    SetEnvironmentVariableA(kChildFlag, nullptr);
    ASSERT_TRUE(started);
    if (exitCode == kNotFrench) GTEST_SKIP() << "the display did not switch to a French keymap";
    EXPECT_EQ(0u, exitCode) << "the French checks failed in the child process (output above)";
}

}  // namespace
