// The procedure every skinned window runs during its creation: read its skin file, load its
// pictures, size the window from the Normal picture and create the controls of its keys.
#pragma once

#include <windows.h>

#include <functional>
#include <string>
#include <vector>

#include "SkinControlPos.h"
#include "UniqueResource.h"

// The four full-window state pictures, alive only while the controls take their cut-outs.
struct SkinPictures {
    HBITMAP normal;
    HBITMAP over;
    HBITMAP down;
    HBITMAP disable;
};

// What a skinned window keeps: its outline and its background (the Normal picture).
struct SkinImages {
    UniqueGdi<HBITMAP> mask;
    UniqueGdi<HBITMAP> background;
    SIZE size{0, 0};
};

using SkinControlFactory = std::function<void(int key, const SkinControlPos& pos, const SkinPictures& pictures)>;

// Returns false when the skin file is missing; the window and its controls are made anyway,
// from whatever the skin gave (a missing Normal picture keeps the template's size).
bool LoadSkin(HWND window, const std::string& skinFile, const std::vector<int>& keys, SkinImages& images,
              const SkinControlFactory& createControl);
// The window outline from the mask (white is outside); a window without one stays rectangular.
void ApplySkinRegion(HWND window, HBITMAP mask);
// The keys 1 to last, for windows whose controls are numbered without gaps.
std::vector<int> SkinKeys(int first, int last);
