#include "Transcript.h"

#include <fstream>
#include <sstream>

std::vector<uint8_t> TranscriptLine::Bytes() const
{
    std::vector<uint8_t> bytes;
    for (size_t i = 0; i + 1 < Data.size(); i += 2) bytes.push_back(static_cast<uint8_t>(std::stoi(Data.substr(i, 2), nullptr, 16)));
    return bytes;
}

std::vector<TranscriptLine> ReadTranscript(const std::string& path)
{
    std::vector<TranscriptLine> lines;
    std::ifstream in(path);
    std::string text;
    while (std::getline(in, text)) {
        if (!text.empty() && text.back() == '\r') text.pop_back();
        std::istringstream fields(text);
        TranscriptLine line;
        std::string type;
        if (!(fields >> line.Ms >> type) || type.size() != 1) continue;  // a line still being written
        line.Type = type[0];
        std::getline(fields >> std::ws, line.Data);
        lines.push_back(line);
    }
    return lines;
}

std::vector<std::string> FrameTexts(const std::vector<TranscriptLine>& lines)
{
    std::vector<std::string> frames;
    for (const TranscriptLine& l : lines)
        if (l.Type == 'F' || l.Type == 'W') frames.push_back(std::string(1, l.Type) + " " + l.Data);
    return frames;
}
