#include "ApplyPlan.h"

#include "ActiveProfile.h"
#include "ButtonTable.h"
#include "DeviceReport.h"
#include "SettingsPage.h"

namespace {

constexpr uint32_t kCommandWait = 200;
constexpr uint32_t kButtonTableWait = 100;
constexpr uint32_t kChunkPause = 100;

void AddReport(ApplyPlan& plan, uint8_t code, uint8_t arg1, uint8_t arg2)
{
    const ReportBytes bytes = ToBytes(MakeDeviceReport(code, arg1, arg2));
    plan.push_back({ApplyStepKind::Report, 0, {bytes.begin(), bytes.end()}});
}

void AddWait(ApplyPlan& plan, ApplyStepKind kind, uint32_t ms) { plan.push_back({kind, ms, {}}); }

void AddPage(ApplyPlan& plan, uint8_t code, uint8_t arg1, const DataPage& page)
{
    AddReport(plan, code, arg1, kPageFollows);
    for (int i = 0; i < kChunksPerPage; ++i) {
        const DataChunk chunk = PageChunk(page, i);
        plan.push_back({ApplyStepKind::Chunk, 0, {chunk.begin(), chunk.end()}});
        AddWait(plan, ApplyStepKind::Pause, kChunkPause);
    }
}

uint8_t DeviceProfile(int p) { return static_cast<uint8_t>(p + 1); }

bool AnyButtonChanged(const SettingsBlock& block, int p)
{
    for (int32_t flag : block.ButtonChanged[p])
        if (flag != 0) return true;
    return false;
}

void AddSelectProfile(ApplyPlan& plan, const SettingsBlock& block, ApplyStepKind waitKind)
{
    AddReport(plan, CMD_SELECT_PROFILE, DeviceProfile(ActiveProfileIndex(block)), 0);
    AddWait(plan, waitKind, kCommandWait);
}

}  // namespace

ApplyPlan BuildApplyPlan(const SettingsBlock& block, ApplyScope scope)
{
    const bool all = scope == ApplyScope::Everything;
    ApplyPlan plan;
    AddReport(plan, CMD_BEGIN, kBeginArg1, kBeginArg2);
    AddWait(plan, ApplyStepKind::Wait, kCommandWait);

    for (int p = 0; p < kProfileCount; ++p) {
        if (!all && block.PollingRateChanged[p] == 0) continue;
        AddReport(plan, CMD_REPORT_INTERVAL, DeviceProfile(p), ReportIntervalCode(block.Profiles[p].PollingRate));
        AddWait(plan, ApplyStepKind::Wait, kCommandWait);
    }
    for (int p = 0; p < kProfileCount; ++p) {
        if (!all && block.CpiStepChanged[p] == 0) continue;
        AddReport(plan, CMD_DPI_LEVEL, DeviceProfile(p), static_cast<uint8_t>(static_cast<uint32_t>(block.Profiles[p].CpiStep) + 1u));
        AddWait(plan, ApplyStepKind::Wait, kCommandWait);
    }
    for (int p = 0; p < kProfileCount; ++p) {
        if (!all && block.SettingsChanged[p] == 0) continue;
        AddPage(plan, CMD_SETTINGS_PAGE, DeviceProfile(p), ToDataPage(EncodeSettingsPage(block.Profiles[p])));
        AddWait(plan, ApplyStepKind::Wait, kCommandWait);
    }
    for (int p = 0; p < kProfileCount; ++p) {
        if (!all && !AnyButtonChanged(block, p)) continue;
        const ProfileButtonPages pages = EncodeProfileButtons(block.Profiles[p], p);
        AddPage(plan, CMD_BUTTON_TABLE, DeviceProfile(p), ToDataPage(pages.Table));
        AddWait(plan, ApplyStepKind::Wait, kButtonTableWait);
        for (const NumberedMacroSlot& slot : pages.Slots)
            AddPage(plan, CMD_MACRO_SLOT, static_cast<uint8_t>(slot.Number), ToDataPage(slot.Slot));
    }
    AddSelectProfile(plan, block, ApplyStepKind::Wait);
    return plan;
}

ApplyPlan BuildSelectProfilePlan(const SettingsBlock& block)
{
    ApplyPlan plan;
    AddSelectProfile(plan, block, ApplyStepKind::Pause);
    return plan;
}
