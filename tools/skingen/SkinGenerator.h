// Turns the layout files of a folder into the skins folder: per window the skin INI file with
// its SCREEN and BUTTONPOS sections and the five full-window pictures, plus the pictures the
// program names itself.
#pragma once

#include "SkinLayout.h"

#include <string>
#include <vector>

class SkinGenerator {
public:
    static constexpr int kJpegQuality = 95;

    // The BUTTONPOS value of a control: "name,x,y,w,h,tooltip" (hidden controls: 0,0,0,0).
    static std::string ButtonPosValue(const SkinControl& control);
    // The picture file names of a window: Mask, Normal, Over, Down, Disable.
    static std::vector<std::string> ScreenPictures(const SkinLayout& layout);

    // Writes one window's files into outDir; false (with a log line) when a file fails.
    static bool Generate(const SkinLayout& layout, const std::string& outDir);
    // Every *.layout of layoutDir, in name order. Errors go to errors as "file:line: message";
    // nothing is written when any layout is bad.
    static bool GenerateAll(const std::string& layoutDir, const std::string& outDir,
                            std::vector<std::string>& errors);
};
