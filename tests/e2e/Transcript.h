// The virtual mouse's transcript: one line per frame it received or event it sent.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

struct TranscriptLine {
    uint32_t Ms = 0;
    char Type = 0;      // F report, W chunk, E event, P plugged, X protocol error
    std::string Data;   // the rest of the line after the type

    std::vector<uint8_t> Bytes() const;  // F and W: the frame
};

std::vector<TranscriptLine> ReadTranscript(const std::string& path);
// Frames only (F and W lines), as "F 0188..." / "W ..." texts, for comparing with a table.
std::vector<std::string> FrameTexts(const std::vector<TranscriptLine>& lines);
