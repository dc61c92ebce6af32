#include "ApplyPlanRunner.h"

#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "DeviceReportTestSupport.h"

namespace {

// Records every call as text; raises the abort flag once a given number of calls were made.
class RecordingRunner : public ApplyPlanRunner {
public:
    std::vector<std::string> calls;
    size_t abortAfter = SIZE_MAX;

protected:
    int SendReport(const uint8_t* bytes, int length) override
    {
        calls.push_back("report " + std::to_string(bytes[0]) + "/" + std::to_string(length));
        return 10 + bytes[0];
    }
    void WriteChunk(const uint8_t* bytes, int length) override
    {
        calls.push_back("chunk " + std::to_string(bytes[0]) + "/" + std::to_string(length));
    }
    void Sleep(uint32_t ms) override { calls.push_back("sleep " + std::to_string(ms)); }
    bool AbortRequested() override { return calls.size() >= abortAfter; }
};

ApplyStep Report(uint8_t code) { return {ApplyStepKind::Report, 0, {code, 0, 0, 0, 0, 0, 0, 0}}; }
ApplyStep Chunk(uint8_t first) { return {ApplyStepKind::Chunk, 0, Bytes(64, first)}; }
ApplyStep Wait(uint32_t ms) { return {ApplyStepKind::Wait, ms, {}}; }
ApplyStep Pause(uint32_t ms) { return {ApplyStepKind::Pause, ms, {}}; }

// Begin, a button table, two macro slots, select: the shape of a real apply.
const ApplyPlan kPlan = {Report(1), Wait(200),
                         Report(0x0D), Chunk(7), Pause(100), Chunk(8), Pause(100), Wait(100),
                         Report(0x0F), Chunk(9), Pause(100), Chunk(10), Pause(100),
                         Report(0x0F), Chunk(11), Pause(100), Chunk(12), Pause(100),
                         Report(2), Wait(200)};

}  // namespace

TEST(DeviceReportApplyPlanRunner, RunsEveryStepAndReturnsTheLastReportResult)
{
    RecordingRunner runner;
    EXPECT_EQ(12, runner.Run(kPlan));
    const std::vector<std::string> expected = {
        "report 1/8", "sleep 100", "sleep 100",
        "report 13/8", "chunk 7/64", "sleep 100", "chunk 8/64", "sleep 100", "sleep 100",
        "report 15/8", "chunk 9/64", "sleep 100", "chunk 10/64", "sleep 100",
        "report 15/8", "chunk 11/64", "sleep 100", "chunk 12/64", "sleep 100",
        "report 2/8", "sleep 100", "sleep 100"};
    EXPECT_EQ(expected, runner.calls);
}

TEST(DeviceReportApplyPlanRunner, AbortEndsTheApplyAtTheNextWait)
{
    struct Case {
        const char* when;
        size_t abortAfter;  // calls made when the flag goes up
        size_t callsMade;
    };
    const Case cases[] = {
        {"before the first wait sleeps", 1, 1},
        {"between the 100 ms steps of a wait", 2, 2},
        {"after the last step of a wait", 3, 3},
        {"during the button table: it is finished, the slots are not sent", 5, 8},
        {"during the first macro slot: the slots and the select still go out", 11, 20},
    };
    for (const Case& c : cases) {
        RecordingRunner runner;
        runner.abortAfter = c.abortAfter;
        EXPECT_EQ(0, runner.Run(kPlan)) << c.when;
        EXPECT_EQ(c.callsMade, runner.calls.size()) << c.when;
    }
}
