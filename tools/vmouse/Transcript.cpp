#include "Transcript.h"

#include <cinttypes>

#include "DebugLog.h"
#include "FormatText.h"

namespace {

constexpr size_t kMaxErrorText = 200;

std::string HexBytes(char tag, const uint8_t* bytes, size_t size)
{
    static const char kDigits[] = "0123456789ABCDEF";
    std::string line{tag, ' '};
    for (size_t i = 0; bytes && i < size; ++i) {
        line += kDigits[bytes[i] >> 4];
        line += kDigits[bytes[i] & 0x0F];
    }
    return line;
}

}  // namespace

std::string TranscriptCommand(const uint8_t* report, size_t size) { return HexBytes('F', report, size); }
std::string TranscriptChunk(const uint8_t* chunk, size_t size) { return HexBytes('W', chunk, size); }
std::string TranscriptEvent(uint16_t kind, uint16_t value) { return FormatText("E %04X %04X", kind, value); }
std::string TranscriptPlug(bool plugged) { return plugged ? "P 1" : "P 0"; }

std::string TranscriptError(const std::string& text)
{
    std::string line = "X ";
    for (char c : text.substr(0, kMaxErrorText)) line += (c >= 0x20 && c < 0x7F) ? c : '?';
    return line;
}

bool Transcript::Open(const std::string& path)
{
    std::lock_guard lock(m_mutex);
    m_file.reset(std::fopen(path.c_str(), "wb"));
    if (!m_file) DebugLog("vmouse: transcript %s cannot be written\n", path.c_str());
    return m_file != nullptr;
}

void Transcript::Write(uint64_t milliseconds, const std::string& body)
{
    std::lock_guard lock(m_mutex);
    if (!m_file) return;
    std::fprintf(m_file.get(), "%" PRIu64 " %s\n", milliseconds, body.c_str());
    std::fflush(m_file.get());
}
