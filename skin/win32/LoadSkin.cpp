#include "LoadSkin.h"

#include "CIniFile.h"
#include "DebugLog.h"
#include "MaskRegion.h"
#include "ProgramFolder.h"
#include "SkinFolder.h"
#include "SkinPicture.h"

namespace {

// An empty value names no picture: nothing to load and nothing to report.
void LoadNamed(const std::string& name, UniqueGdi<HBITMAP>& target, SIZE& size)
{
    target.reset();
    size = {0, 0};
    if (!name.empty()) LoadSkinPicture(SkinFolder() + name, target, size);
}

}  // namespace

bool LoadSkin(HWND window, const std::string& skinFile, const std::vector<int>& keys, SkinImages& images,
              const SkinControlFactory& createControl)
{
    const CIniFile skin(SkinFolder() + skinFile);
    const bool found = FileExists(skin.Path());
    if (!found) DebugLog("LoadSkin: skin file %s is missing\n", skin.Path().c_str());
    const auto value = [&](const char* section, const char* key) { return skin.GetString(section, key, ""); };

    SIZE ignored{};
    LoadNamed(value("SCREEN", "Mask"), images.mask, ignored);
    // The Normal picture is both the background and the first state picture: one decode.
    LoadNamed(value("SCREEN", "Normal"), images.background, images.size);
    if (images.size.cx > 0 && images.size.cy > 0) {
        MoveWindow(window, 0, 0, images.size.cx, images.size.cy, TRUE);
    }
    // The other state pictures serve only the controls: a skin without any decodes none of them.
    UniqueGdi<HBITMAP> over, down, disable;
    bool statesLoaded = false;
    for (int key : keys) {
        const std::string place = value("BUTTONPOS", std::to_string(key).c_str());
        if (!statesLoaded && !place.empty()) {
            LoadNamed(value("SCREEN", "Over"), over, ignored);
            LoadNamed(value("SCREEN", "Down"), down, ignored);
            LoadNamed(value("SCREEN", "Disable"), disable, ignored);
            statesLoaded = true;
        }
        createControl(key, ParseButtonPos(place), {images.background.get(), over.get(), down.get(), disable.get()});
    }
    return found;
}

void ApplySkinRegion(HWND window, HBITMAP mask)
{
    UniqueGdi<HRGN> region = CreateMaskRegion(mask, RGB(255, 255, 255), 0);
    if (region && SetWindowRgn(window, region.get(), TRUE)) region.release();  // the window owns it now
}

std::vector<int> SkinKeys(int first, int last)
{
    std::vector<int> keys;
    for (int k = first; k <= last; ++k) keys.push_back(k);
    return keys;
}
