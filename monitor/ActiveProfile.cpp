#include "ActiveProfile.h"

#include "DebugLog.h"

int ActiveProfileIndex(const SettingsBlock& block)
{
    if (IsValidProfile(block.CurrentProfile)) return block.CurrentProfile;
    DebugLog("ActiveProfile: current profile %d out of range, using 0\n", block.CurrentProfile);
    return 0;
}
