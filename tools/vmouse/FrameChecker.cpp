#include "FrameChecker.h"

#include "FormatText.h"

namespace {

bool IsProfile(uint8_t arg) { return arg >= 1 && arg <= kProfileCount; }
bool IsSlot(uint8_t arg) { return arg >= 1 && arg <= kMacroSlotCount; }
bool IsInterval(uint8_t code) { return code == 1 || code == 2 || code == 4 || code == 8; }
bool IsDpiLevel(uint8_t level) { return level >= 1 && level <= kMouseDpiLevels; }

}  // namespace

std::vector<std::string> FrameChecker::TakeCommand(const uint8_t* report, size_t size)
{
    std::vector<std::string> errors;
    if (m_pageCommand) {
        errors.push_back(FormatText("command %02X after %d of the 2 chunks of command %02X", size && report ? report[0] : 0,
                                m_chunks, m_pageCommand));
        m_pageCommand = 0;
    }
    if (!report || size != kReportSize) {
        errors.push_back(FormatText("command report of %lu bytes", static_cast<unsigned long>(report ? size : 0)));
        return errors;
    }
    unsigned sum = 0;
    for (size_t i = 0; i + 1 < kReportSize; ++i) sum += report[i];
    const uint8_t expected = static_cast<uint8_t>(0xFF - sum);
    if (report[7] != expected) {
        errors.push_back(FormatText("command %02X: checksum %02X, expected %02X", report[0], report[7], expected));
        return errors;
    }
    if (report[3] || report[4] || report[5] || report[6]) {
        errors.push_back(FormatText("command %02X: bytes 3-6 are not zero", report[0]));
        return errors;
    }
    std::string error = Apply(report[0], report[1], report[2]);
    if (!error.empty()) errors.push_back(std::move(error));
    return errors;
}

std::string FrameChecker::Apply(uint8_t code, uint8_t arg1, uint8_t arg2)
{
    switch (code) {
    case CMD_BEGIN:
        if (arg1 != kBeginArg1 || arg2 != kBeginArg2) return FormatText("begin with arguments %02X %02X", arg1, arg2);
        return {};
    case CMD_SELECT_PROFILE:
        if (!IsProfile(arg1) || arg2 != 0) return FormatText("select profile %u, %02X", arg1, arg2);
        m_memory.CurrentProfile = arg1 - 1;
        return {};
    case CMD_REPORT_INTERVAL:
        if (!IsProfile(arg1) || !IsInterval(arg2)) return FormatText("report interval %u for profile %u", arg2, arg1);
        m_memory.Profiles[arg1 - 1].ReportInterval = arg2;
        return {};
    case CMD_DPI_LEVEL:
        if (!IsProfile(arg1) || !IsDpiLevel(arg2)) return FormatText("DPI level %u for profile %u", arg2, arg1);
        m_memory.Profiles[arg1 - 1].DpiLevel = arg2;
        return {};
    case CMD_SETTINGS_PAGE:
    case CMD_BUTTON_TABLE:
    case CMD_MACRO_SLOT: {
        // Its chunks are expected even when the command is wrong, so that they do not count as
        // chunks without a command as well.
        m_pageCommand = code;
        m_pageTarget = arg1;
        m_chunks = 0;
        const bool slot = code == CMD_MACRO_SLOT;
        m_pageValid = (slot ? IsSlot(arg1) : IsProfile(arg1)) && arg2 == kPageFollows;
        if (m_pageValid) return {};
        return FormatText("command %02X for %s %u, %02X", code, slot ? "slot" : "profile", arg1, arg2);
    }
    default:
        return FormatText("unknown command %02X", code);
    }
}

std::vector<std::string> FrameChecker::TakeChunk(const uint8_t* chunk, size_t size)
{
    if (!chunk || size != kDataChunkSize) return {FormatText("chunk of %lu bytes", static_cast<unsigned long>(chunk ? size : 0))};
    if (!m_pageCommand) return {"chunk without a page command"};
    std::copy(chunk, chunk + kDataChunkSize, m_page.begin() + m_chunks * kDataChunkSize);
    if (++m_chunks < kChunksPerPage) return {};
    const uint8_t command = m_pageCommand;
    m_pageCommand = 0;
    if (!m_pageValid) return {};
    switch (command) {
    case CMD_SETTINGS_PAGE: m_memory.Profiles[m_pageTarget - 1].Settings = m_page; break;
    case CMD_BUTTON_TABLE: m_memory.Profiles[m_pageTarget - 1].Buttons = m_page; break;
    default: m_memory.Slots[m_pageTarget - 1] = m_page; break;
    }
    return {};
}
