// Takes the frames the PC sends, in order, checks them as the mouse would (checksum, a page
// command followed by exactly its two chunks, profile and slot numbers, argument values) and
// stores what is valid in the mouse's memory.
#pragma once

#include <cstddef>
#include <cstdint>
#include <string>
#include <vector>

#include "MouseMemory.h"

class FrameChecker {
public:
    explicit FrameChecker(MouseMemory& memory) : m_memory(memory) {}

    // The protocol errors the frame shows; none when it was applied as it stands.
    std::vector<std::string> TakeCommand(const uint8_t* report, size_t size);
    std::vector<std::string> TakeChunk(const uint8_t* chunk, size_t size);

private:
    // Checks the command's arguments and applies it; the error, or empty.
    std::string Apply(uint8_t code, uint8_t arg1, uint8_t arg2);

    MouseMemory& m_memory;
    uint8_t m_pageCommand = 0;  // the command whose chunks are awaited, 0 when none
    uint8_t m_pageTarget = 0;
    bool m_pageValid = false;   // false: its chunks are taken but not stored
    int m_chunks = 0;
    DataPage m_page{};
};
