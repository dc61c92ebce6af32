// Every generated skin, as a window: its size is its Normal picture's, its outline is its
// mask's, and what the screen shows inside the outline is the Normal picture (every control
// here is a skinned button, whose normal picture is cut from it).
#include <gtest/gtest.h>

#include <cstdlib>

#include "CIniFile.h"
#include "CSkinButton.h"
#include "ProgramFolder.h"
#include "OptionResources.h"
#include "SkinDialog.h"
#include "SkinFolder.h"
#include "SkinPicture.h"
#include "SkinTestSupport.h"
#include "WindowShot.h"

namespace {

std::vector<int> KeysOf(const std::string& file)
{
    const CIniFile skin(SkinFolder() + file);
    std::vector<int> keys;
    for (int key = 0; key < 100; ++key)
        if (!skin.GetString("BUTTONPOS", std::to_string(key).c_str(), "").empty()) keys.push_back(key);
    return keys;
}

class ButtonsOnlyDialog : public SkinDialog {
public:
    explicit ButtonsOnlyDialog(const std::string& file) : SkinDialog(IDD_OPTION_POPUP, file, KeysOf(file), {true, true}) {}

protected:
    void CreateSkinControl(int, const SkinControlPos& pos, const SkinPictures& pictures) override
    {
        m_buttons.push_back(std::make_unique<CSkinButton>());
        m_buttons.back()->CreateFromSkin(Handle(), pos, pictures);
    }

private:
    std::vector<std::unique_ptr<CSkinButton>> m_buttons;
};

int Distance(uint32_t a, uint32_t b)
{
    int most = 0;
    for (int shift : {0, 8, 16}) most = std::max(most, std::abs(int((a >> shift) & 0xFF) - int((b >> shift) & 0xFF)));
    return most;
}

class EverySkinTest : public testing::TestWithParam<const char*> {};

TEST_P(EverySkinTest, WindowHasTheSizeOutlineAndPictureOfItsSkin)
{
    const std::string file = GetParam();
    const CIniFile skin(SkinFolder() + file);
    ASSERT_TRUE(FileExists(skin.Path())) << skin.Path() << " (set KV_SKINS_DIR to the generated skins)";
    UniqueGdi<HBITMAP> normal, mask;
    SIZE size{}, maskSize{};
    ASSERT_TRUE(LoadSkinPicture(SkinFolder() + skin.GetString("SCREEN", "Normal", ""), normal, size));
    ASSERT_TRUE(LoadSkinPicture(SkinFolder() + skin.GetString("SCREEN", "Mask", ""), mask, maskSize));
    const WindowShot expected = BitmapPixels(normal.get());
    const WindowShot outline = BitmapPixels(mask.get());

    // The mouse away from every window: a hovered button would show its Over picture.
    MouseTo(GetDesktopWindow(), GetSystemMetrics(SM_CXSCREEN) - 2, GetSystemMetrics(SM_CYSCREEN) - 2);
    ButtonsOnlyDialog dialog(file);
    ASSERT_TRUE(dialog.CreateModeless(nullptr));
    SetWindowPos(dialog.Handle(), HWND_TOPMOST, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE | SWP_SHOWWINDOW);
    UpdateWindow(dialog.Handle());
    Pump(150);
    const WindowShot shot = CaptureWindow(dialog.Handle());
    ASSERT_EQ(shot.width, size.cx);
    ASSERT_EQ(shot.height, size.cy);
    ASSERT_EQ(maskSize.cx, size.cx);
    ASSERT_EQ(maskSize.cy, size.cy);

    int outlineErrors = 0, pictureErrors = 0;
    for (int y = 0; y < shot.height; ++y)
        for (int x = 0; x < shot.width; ++x) {
            const bool opaque = outline.At(x, y) != 0xFFFFFF;
            if (shot.Inside(x, y) != opaque && outlineErrors++ < 5)
                ADD_FAILURE() << "outline differs at " << x << "," << y;
            if (shot.Inside(x, y) && Distance(shot.At(x, y), expected.At(x, y)) > 2 && pictureErrors++ < 5)
                ADD_FAILURE() << "pixel " << x << "," << y << " shows " << std::hex << shot.At(x, y) << " instead of "
                              << expected.At(x, y);
        }
    EXPECT_EQ(outlineErrors, 0);
    EXPECT_EQ(pictureErrors, 0);
}

INSTANTIATE_TEST_SUITE_P(
    Skins, EverySkinTest,
    testing::Values("skin_main.ini", "skin_profile.ini", "skin_button_page.ini", "skin_shortcut.ini",
                    "skin_performance.ini", "skin_DPI.ini", "skin_dpi_color.ini", "skin_light_setting.ini",
                    "skin_danse_light.ini", "skin_qise_light.ini", "skin_xuancai_light.ini", "skin_dandian_light.ini",
                    "skin_macro_manager.ini", "skin_select_macro.ini", "skin_lanuch_program.ini",
                    "skin_delete_macro_warn.ini", "skin_click_warn.ini", "skin_reset_current_warn.ini",
                    "skin_reset_all_warn.ini", "skin_macro_set_warn.ini"),
    [](const testing::TestParamInfo<const char*>& info) {
        std::string name = info.param;
        name = name.substr(5, name.size() - 9);  // skin_X.ini -> X
        return name;
    });

}  // namespace
