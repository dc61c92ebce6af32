#include "SkinDialog.h"

#include "Gdi.h"

SkinDialog::SkinDialog(int templateId, std::string skinFile, std::vector<int> keys, SkinDialogStyle style)
    : Dialog(templateId), m_skinFile(std::move(skinFile)), m_keys(std::move(keys)), m_style(style)
{
}

LRESULT SkinDialog::OnCreate(CREATESTRUCTA&)
{
    const LRESULT result = Default();
    if (result == -1) return result;
    LoadSkin(Handle(), m_skinFile, m_keys, m_images,
             [&](int key, const SkinControlPos& pos, const SkinPictures& pictures) { CreateSkinControl(key, pos, pictures); });
    ApplySkinRegion(Handle(), m_images.mask.get());
    return result;
}

LRESULT SkinDialog::OnDestroy()
{
    const LRESULT result = Default();
    m_images.background.reset();
    m_images.mask.reset();
    return result;
}

LRESULT SkinDialog::OnPaint()
{
    PaintDc paint(Handle());
    RECT client{};
    GetClientRect(Handle(), &client);
    OffscreenBitmap offscreen(paint.get(), client.right, client.bottom);
    if (!offscreen.Valid()) return 0;
    FillRect(offscreen.get(), &client, static_cast<HBRUSH>(GetStockObject(BLACK_BRUSH)));
    DrawBitmap(offscreen.get(), 0, 0, m_images.background.get(), client.right, client.bottom);
    SetBkMode(offscreen.get(), TRANSPARENT);
    SetTextColor(offscreen.get(), RGB(255, 255, 255));
    DrawOverlay(offscreen.get());
    offscreen.CopyTo(paint.get());
    return 0;
}

LRESULT SkinDialog::OnEraseBackground(HDC)
{
    return m_style.eraseHandled ? TRUE : Default();
}

LRESULT SkinDialog::OnLButtonDown(UINT, POINT point)
{
    if (m_style.draggable) {
        ClientToScreen(Handle(), &point);
        PostMessageA(Handle(), WM_NCLBUTTONDOWN, HTCAPTION, MAKELPARAM(point.x, point.y));
    }
    return Default();
}

bool SkinDialog::PreTranslateMessage(MSG& message)
{
    if (message.message != WM_KEYDOWN) return false;
    return message.wParam == VK_ESCAPE || message.wParam == VK_RETURN || (m_style.swallowSpace && message.wParam == VK_SPACE);
}
