// One control position of a skin file's BUTTONPOS section: "name,x,y,width,height,tooltip".
#pragma once

#include <cstdint>
#include <string_view>

// Same layout as a Win32 RECT, so the Win32 side can pass it on unchanged.
struct SkinRect {
    int32_t left = 0;
    int32_t top = 0;
    int32_t right = 0;
    int32_t bottom = 0;

    int32_t Width() const { return right - left; }
    int32_t Height() const { return bottom - top; }
    bool IsEmpty() const { return right <= left || bottom <= top; }
};

struct SkinControlPos {
    static constexpr unsigned kNameSize = 40;
    static constexpr unsigned kTooltipSize = 400;

    char name[kNameSize] = {};
    SkinRect rect;
    char tooltip[kTooltipSize] = {};
    int32_t checked = 0;  // never set by parsing
};

SkinControlPos ParseButtonPos(std::string_view value);
