// The skin tests run from the build's bin folder, where no skins are: they take them from
// the folder named by KV_SKINS_DIR, or else from ..\..\skins beside it (build/skins, where
// the native build generates them).
#include <gtest/gtest.h>

#include <ole2.h>

#include <cstdlib>

#include "MenuFrameHook.h"
#include "ProgramFolder.h"
#include "SkinFolder.h"
#include "SkinTestSupport.h"

std::string TestSkinFolder()
{
    const char* configured = std::getenv("KV_SKINS_DIR");
    if (configured && *configured) return configured;
    return GetProgramFolder() + "..\\..\\skins\\";
}

namespace {

class SkinTestEnvironment : public testing::Environment {
public:
    void SetUp() override
    {
        OleInitialize(nullptr);
        SetSkinFolder(TestSkinFolder());
    }
    void TearDown() override { OleUninitialize(); }
};

const testing::Environment* const g_environment = testing::AddGlobalTestEnvironment(new SkinTestEnvironment);

}  // namespace
