// The skinned dialog: built from its skin in WM_CREATE, painted from its background through
// one off-screen bitmap, optionally dragged by its body, deaf to Escape and Return.
#pragma once

#include <string>
#include <vector>

#include "Dialog.h"
#include "LoadSkin.h"

struct SkinDialogStyle {
    bool draggable = true;
    // WM_ERASEBKGND reported handled without painting; otherwise the default erase runs.
    bool eraseHandled = false;
    bool swallowSpace = false;
};

class SkinDialog : public Dialog {
public:
    SkinDialog(int templateId, std::string skinFile, std::vector<int> keys, SkinDialogStyle style);

    const SkinImages& Images() const { return m_images; }
    const std::string& SkinFile() const { return m_skinFile; }

protected:
    // One call per key, in increasing key order, while the state pictures exist.
    virtual void CreateSkinControl(int key, const SkinControlPos& pos, const SkinPictures& pictures) = 0;
    // The window's own text over the background, if it has any.
    virtual void DrawOverlay(HDC) {}

    LRESULT OnCreate(CREATESTRUCTA& create) override;
    LRESULT OnDestroy() override;
    LRESULT OnPaint() override;
    LRESULT OnEraseBackground(HDC dc) override;
    LRESULT OnLButtonDown(UINT keys, POINT point) override;
    bool PreTranslateMessage(MSG& message) override;

private:
    std::string m_skinFile;
    std::vector<int> m_keys;
    SkinDialogStyle m_style;
    SkinImages m_images;
};
