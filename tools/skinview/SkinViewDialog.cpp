#include "SkinViewDialog.h"

#include <cstring>

#include "CBitmapEdit.h"
#include "CIniFile.h"
#include "CSkinColorButton.h"
#include "CSkinLevelSpin.h"
#include "CSkinListBox.h"
#include "CSkinSpinEdit.h"
#include "CclickHSlider.h"
#include "OptionResources.h"
#include "SkinFolder.h"

namespace {

enum class Kind { Button, None, Slider, SliderUp, LevelSpin, SpinEdit, Edit, List, Colour };

struct KindEntry {
    const char* file;
    int key;
    Kind kind;
};

// The keys whose windows make something other than a skinned button of them.
const KindEntry kKinds[] = {
    {"skin_main.ini", 41, Kind::None},           {"skin_main.ini", 42, Kind::None},
    {"skin_light_setting.ini", 2, Kind::None},   {"skin_dpi_color.ini", 3, Kind::None},
    {"skin_dandian_light.ini", 1, Kind::Slider}, {"skin_dandian_light.ini", 2, Kind::LevelSpin},
    {"skin_danse_light.ini", 3, Kind::Slider},   {"skin_danse_light.ini", 4, Kind::Slider},
    {"skin_danse_light.ini", 5, Kind::LevelSpin}, {"skin_qise_light.ini", 3, Kind::Slider},
    {"skin_qise_light.ini", 5, Kind::LevelSpin}, {"skin_xuancai_light.ini", 3, Kind::Slider},
    {"skin_xuancai_light.ini", 4, Kind::LevelSpin}, {"skin_DPI.ini", 3, Kind::Slider},
    {"skin_DPI.ini", 4, Kind::SliderUp},         {"skin_DPI.ini", 10, Kind::Colour},
    {"skin_DPI.ini", 11, Kind::Colour},          {"skin_DPI.ini", 12, Kind::Colour},
    {"skin_DPI.ini", 13, Kind::Colour},          {"skin_DPI.ini", 14, Kind::Colour},
    {"skin_dpi_color.ini", 6, Kind::SpinEdit},   {"skin_dpi_color.ini", 7, Kind::SpinEdit},
    {"skin_dpi_color.ini", 8, Kind::SpinEdit},   {"skin_lanuch_program.ini", 1, Kind::Edit},
    {"skin_profile.ini", 1, Kind::Edit},         {"skin_profile.ini", 2, Kind::Edit},
    {"skin_shortcut.ini", 10, Kind::Edit},       {"skin_macro_manager.ini", 10, Kind::Edit},
    {"skin_macro_manager.ini", 6, Kind::List},   {"skin_macro_manager.ini", 11, Kind::List},
};

Kind KindOf(const std::string& file, int key)
{
    for (const KindEntry& e : kKinds)
        if (key == e.key && _stricmp(file.c_str(), e.file) == 0) return e.kind;
    return Kind::Button;
}

template <typename T>
T& Keep(std::vector<std::unique_ptr<Widget>>& controls)
{
    controls.push_back(std::make_unique<T>());
    return static_cast<T&>(*controls.back());
}

}  // namespace

SkinViewDialog::SkinViewDialog(const std::string& skinFile)
    : SkinDialog(IDD_OPTION_POPUP, skinFile, PresentKeys(skinFile), {true, true, false})
{
}

SkinViewDialog::~SkinViewDialog() = default;

std::vector<int> SkinViewDialog::PresentKeys(const std::string& skinFile)
{
    const CIniFile skin(SkinFolder() + skinFile);
    std::vector<int> keys;
    for (int key = 0; key < 100; ++key)
        if (!skin.GetString("BUTTONPOS", std::to_string(key).c_str(), "").empty()) keys.push_back(key);
    return keys;
}

void SkinViewDialog::CreateSkinControl(int key, const SkinControlPos& pos, const SkinPictures& p)
{
    const SkinRect& r = pos.rect;
    const RECT rect{r.left, r.top, r.right, r.bottom};
    switch (KindOf(SkinFile(), key)) {
    case Kind::None: return;
    case Kind::Slider:
    case Kind::SliderUp: {
        auto& slider = Keep<CclickHSlider>(m_controls);
        const char* thumb = KindOf(SkinFile(), key) == Kind::SliderUp ? "scroll_arrow_up.bmp" : "scroll_arrow_down.bmp";
        if (slider.Create(SkinFolder() + thumb, r.left, r.top, r.right, r.bottom, Handle(), 200 + key)) {
            slider.SetPos(0);
            slider.SetBackground(r.left, r.top, r.right, r.bottom, p.normal);
        }
        return;
    }
    case Kind::LevelSpin:
    case Kind::SpinEdit: {
        SkinSpin& spin = KindOf(SkinFile(), key) == Kind::LevelSpin ? static_cast<SkinSpin&>(Keep<CSkinLevelSpin>(m_controls))
                                                                     : Keep<CSkinSpinEdit>(m_controls);
        if (spin.Create(r.left, r.top, r.right, r.bottom, Handle(), 300 + key)) {
            spin.SetSkin(r.left, r.top, r.right, r.bottom, p.normal, p.over, p.down, p.disable);
            // The ranges their windows give them: light speeds 1-12, colour components 0-255.
            const bool level = KindOf(SkinFile(), key) == Kind::LevelSpin;
            spin.SetRange(level ? 1 : 0, level ? 12 : 255);
            spin.SetValue(level ? 1 : 128);
        }
        return;
    }
    case Kind::Edit: {
        auto& edit = Keep<CBitmapEdit>(m_controls);
        if (edit.Create(WS_VISIBLE | WS_TABSTOP | ES_AUTOHSCROLL, rect, Handle(), 0)) {
            edit.SetColors(RGB(0, 0, 0), RGB(229, 229, 229));
            edit.ApplyFont();
        }
        return;
    }
    case Kind::List: {
        auto& list = Keep<CSkinListBox>(m_controls);
        if (list.Create(WS_VISIBLE | WS_VSCROLL | LBS_OWNERDRAWVARIABLE | LBS_HASSTRINGS | LBS_NOTIFY, rect, Handle(),
                        4096 + key)) {
            list.SetColors(RGB(0, 0, 0), RGB(250, 158, 57));
            list.SetTextColors(RGB(255, 255, 255), RGB(255, 255, 255));
            list.AddLine(IDB_LIST_ARROW_DOWN, "A");
            list.AddLine(IDB_LIST_CLOCK, "50 ms");
            list.AddLine(IDB_LIST_ARROW_UP, "A");
        }
        return;
    }
    case Kind::Colour: {
        auto& button = Keep<CSkinColorButton>(m_controls);
        if (button.CreateFromSkin(Handle(), pos, p)) button.SetColor(RGB(250, 158, 57));
        return;
    }
    case Kind::Button: break;
    }
    auto& button = Keep<CSkinButton>(m_controls);
    if (button.CreateFromSkin(Handle(), pos, p) && std::strcmp(pos.name, "close") == 0) m_closeButtons.push_back(button.Handle());
}

LRESULT SkinViewDialog::OnCommand(UINT id, UINT code, HWND control)
{
    for (HWND close : m_closeButtons)
        if (control == close) EndDialog(IDCANCEL);
    return SkinDialog::OnCommand(id, code, control);
}
