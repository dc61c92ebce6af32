// The virtual mouse's transcript: one line per frame received, event sent, plug change or
// protocol error, each "T X ..." with T the whole milliseconds since the mouse started; hex in
// upper case without spaces. Tests and tools read it, so the format is fixed.
#pragma once

#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <memory>
#include <mutex>
#include <string>

// The line bodies (what follows "T "):
std::string TranscriptCommand(const uint8_t* report, size_t size);  // "F 0188020000000074"
std::string TranscriptChunk(const uint8_t* chunk, size_t size);     // "W " and 128 hex digits
std::string TranscriptEvent(uint16_t kind, uint16_t value);         // "E 0800 0003"
std::string TranscriptPlug(bool plugged);                           // "P 1"
// "X " and the text, one line of printable ASCII of at most 200 characters.
std::string TranscriptError(const std::string& text);

class Transcript {
public:
    // Lines go nowhere until a file is open.
    bool Open(const std::string& path);
    // Any thread; every line is flushed at once, so a reader never sees half of one.
    void Write(uint64_t milliseconds, const std::string& body);

private:
    struct CloseFile { void operator()(std::FILE* f) const { std::fclose(f); } };
    std::mutex m_mutex;
    std::unique_ptr<std::FILE, CloseFile> m_file;
};
