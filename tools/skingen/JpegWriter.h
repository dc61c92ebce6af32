// Writes baseline JPEG files for the full-window state pictures.
#pragma once

#include "RgbImage.h"

#include <string>

class JpegWriter {
public:
    // Quality 1-100; chroma is not subsampled so that thin coloured lines and small text stay
    // sharp where the controls are cut out.
    static bool Write(const RgbImage& image, const std::string& path, int quality);
};
