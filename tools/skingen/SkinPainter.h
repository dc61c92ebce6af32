// Draws a window's pictures from its layout: the mask and one full-window picture per control
// state, and the small pictures the program loads by name.
#pragma once

#include "RgbImage.h"
#include "SkinLayout.h"

enum class SkinState { Normal, Over, Down, Disable };

class SkinPainter {
public:
    // Every control of the window in one state, over the window's artwork.
    static RgbImage Paint(const SkinLayout& layout, SkinState state);
    // Pure white outside the window's outline, black inside; no blending at the edge.
    static RgbImage PaintMask(const SkinLayout& layout);
    // The outline of one DPI level row, as the row's own mask.
    static RgbImage PaintRowMask(int width, int height);
    // Slider thumb: a pointer on magenta, the colour the slider treats as transparent.
    static RgbImage PaintThumb(bool pointingDown);
    // The record button's pictures that the macro manager swaps in while recording.
    static RgbImage PaintRecordButton(int width, int height, const std::string& label,
                                      bool recording, SkinState state);

    static constexpr Rgb kMagenta{255, 0, 255};
    static constexpr int kThumbWidth = 11;
    static constexpr int kThumbHeight = 15;
    static constexpr int kRowRadius = 6;
};
