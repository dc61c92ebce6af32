#include "ApplyPlan.h"

#include <gtest/gtest.h>

#include "ButtonTable.h"
#include "DeviceReport.h"
#include "DeviceReportTestSupport.h"
#include "SettingsPage.h"

namespace {

ApplyStep Report(Bytes bytes) { return {ApplyStepKind::Report, 0, std::move(bytes)}; }
ApplyStep Wait(uint32_t ms) { return {ApplyStepKind::Wait, ms, {}}; }
ApplyStep Pause(uint32_t ms) { return {ApplyStepKind::Pause, ms, {}}; }

// The command, then both halves of the page, each followed by a 100 ms pause.
ApplyPlan PageSteps(Bytes command, const DataPage& page)
{
    const DataChunk first = PageChunk(page, 0);
    const DataChunk second = PageChunk(page, 1);
    return {Report(std::move(command)), {ApplyStepKind::Chunk, 0, BytesOf(first)}, Pause(100),
            {ApplyStepKind::Chunk, 0, BytesOf(second)}, Pause(100)};
}

ApplyPlan operator+(ApplyPlan a, const ApplyPlan& b)
{
    a.insert(a.end(), b.begin(), b.end());
    return a;
}

const ApplyPlan kBegin = {Report({0x01, 0x88, 0x02, 0, 0, 0, 0, 0x74}), Wait(200)};
const ApplyPlan kSelectFirst = {Report({0x02, 0x01, 0x00, 0, 0, 0, 0, 0xFC}), Wait(200)};

std::vector<uint8_t> ReportCodes(const ApplyPlan& plan)
{
    std::vector<uint8_t> codes;
    for (const ApplyStep& s : plan)
        if (s.Kind == ApplyStepKind::Report) codes.push_back(s.Bytes[0]);
    return codes;
}

uint32_t TotalMilliseconds(const ApplyPlan& plan)
{
    uint32_t total = 0;
    for (const ApplyStep& s : plan) total += s.Milliseconds;
    return total;
}

}  // namespace

TEST(DeviceReportApplyPlan, ChangedOnlyWithoutFlagsStillBeginsAndSelects)
{
    auto block = DefaultBlock();
    block->CurrentProfile = 2;
    const ApplyPlan expected = kBegin + ApplyPlan{Report({0x02, 0x03, 0x00, 0, 0, 0, 0, 0xFA}), Wait(200)};
    EXPECT_EQ(expected, BuildApplyPlan(*block, ApplyScope::ChangedOnly));
}

TEST(DeviceReportApplyPlan, CurrentProfileOutOfRangeSelectsTheFirstProfile)
{
    for (int32_t current : {-1, 5, 1000}) {
        auto block = DefaultBlock();
        block->CurrentProfile = current;
        EXPECT_EQ(kBegin + kSelectFirst, BuildApplyPlan(*block, ApplyScope::ChangedOnly)) << current;
    }
}

TEST(DeviceReportApplyPlan, ChangedIntervalAndDpiLevelOnlyForTheirProfiles)
{
    auto block = DefaultBlock();
    block->PollingRateChanged[3] = 1;
    block->Profiles[3].PollingRate = 0;
    block->CpiStepChanged[1] = 1;
    block->Profiles[1].CpiStep = 4;
    block->CpiStepChanged[4] = 1;
    block->Profiles[4].CpiStep = 255;  // sent as its low byte
    const ApplyPlan expected = kBegin +
                               ApplyPlan{Report({0x03, 0x04, 0x08, 0, 0, 0, 0, 0xF0}), Wait(200),
                                         Report({0x04, 0x02, 0x05, 0, 0, 0, 0, 0xF4}), Wait(200),
                                         Report({0x04, 0x05, 0x00, 0, 0, 0, 0, 0xF6}), Wait(200)} +
                               kSelectFirst;
    EXPECT_EQ(expected, BuildApplyPlan(*block, ApplyScope::ChangedOnly));
}

TEST(DeviceReportApplyPlan, ChangedSettingsPageIsSentInTwoChunksThenWaits)
{
    auto block = DefaultBlock();
    block->SettingsChanged[0] = 1;
    const ApplyPlan expected = kBegin +
                               PageSteps({0x0C, 0x01, 0x80, 0, 0, 0, 0, 0x72}, ToDataPage(EncodeSettingsPage(block->Profiles[0]))) +
                               ApplyPlan{Wait(200)} + kSelectFirst;
    EXPECT_EQ(expected, BuildApplyPlan(*block, ApplyScope::ChangedOnly));
}

TEST(DeviceReportApplyPlan, ChangedButtonSendsTableThenItsMacroSlotsWithoutWait)
{
    auto block = DefaultBlock();
    block->ButtonChanged[1][5] = 1;  // any button of the profile sends the whole table
    block->Profiles[1].MacroKeyInfo[3].FunctionCode = 16;
    block->Profiles[1].MacroKeyInfo[4].FunctionCode = 52;
    const ProfileButtonPages pages = EncodeProfileButtons(block->Profiles[1], 1);
    ASSERT_EQ(2u, pages.Slots.size());
    // Slots 1 x 16 + 3 + 1 = 20 and 21.
    const ApplyPlan expected = kBegin + PageSteps({0x0D, 0x02, 0x80, 0, 0, 0, 0, 0x70}, ToDataPage(pages.Table)) +
                               ApplyPlan{Wait(100)} +
                               PageSteps({0x0F, 0x14, 0x80, 0, 0, 0, 0, 0x5C}, ToDataPage(pages.Slots[0].Slot)) +
                               PageSteps({0x0F, 0x15, 0x80, 0, 0, 0, 0, 0x5B}, ToDataPage(pages.Slots[1].Slot)) +
                               kSelectFirst;
    EXPECT_EQ(expected, BuildApplyPlan(*block, ApplyScope::ChangedOnly));
}

TEST(DeviceReportApplyPlan, EverythingSendsAllProfilesInOrderIgnoringFlags)
{
    auto block = DefaultBlock();
    block->Profiles[4].MacroKeyInfo[15].FunctionCode = 16;
    const ApplyPlan plan = BuildApplyPlan(*block, ApplyScope::Everything);
    const std::vector<uint8_t> expected = {0x01, 0x03, 0x03, 0x03, 0x03, 0x03, 0x04, 0x04, 0x04, 0x04, 0x04,
                                           0x0C, 0x0C, 0x0C, 0x0C, 0x0C, 0x0D, 0x0D, 0x0D, 0x0D, 0x0D, 0x0F, 0x02};
    EXPECT_EQ(expected, ReportCodes(plan));
    // About six seconds, plus 200 ms for the one macro slot.
    EXPECT_EQ(5900u + 200u, TotalMilliseconds(plan));
    // The slot of the last button of the last profile is slot 80.
    const ApplyStep& slotCommand = plan[plan.size() - 7];
    EXPECT_EQ((Bytes{0x0F, 0x50, 0x80, 0, 0, 0, 0, 0x20}), slotCommand.Bytes);
}

TEST(DeviceReportApplyPlan, SelectProfileAlonePausesAfterwards)
{
    auto block = DefaultBlock();
    block->CurrentProfile = 4;
    const ApplyPlan expected = {Report({0x02, 0x05, 0x00, 0, 0, 0, 0, 0xF8}), Pause(200)};
    EXPECT_EQ(expected, BuildSelectProfilePlan(*block));
}
