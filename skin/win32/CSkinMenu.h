// The dark owner-drawn popup menu of Option: its own colours, font, check colour,
// submenu arrow and separator line.
#pragma once

#include <string>

#include "MenuItemTable.h"
#include "OwnerDrawnMenu.h"
#include "UniqueResource.h"

class CSkinMenu : public OwnerDrawnMenu {
public:
    // font may be null (the menu DC's font is used). The menu is a new empty popup menu.
    explicit CSkinMenu(HFONT font);

    HMENU Handle() const { return m_menu; }
    // command 0x800 appends a separator; a submenu is appended as a popup item and from then
    // on belongs to this menu (it goes when this menu is destroyed).
    void AppendItem(UINT command, const std::string& text, CSkinMenu* submenu, int check);
    void SetItemWidth(int width) { m_items.SetItemWidth(width); }
    void SetItemColors(COLORREF background, COLORREF selectedBackground);
    void SetSeparatorColor(COLORREF colour) { m_separator = colour; }
    void SetItemTextColors(COLORREF text, COLORREF selectedText);
    const MenuItemTable& Items() const { return m_items; }

protected:
    void OnMeasureItem(MEASUREITEMSTRUCT& item) override;
    void OnDrawItem(const DRAWITEMSTRUCT& item) override;

private:
    UniqueMenu m_owned;
    HMENU m_menu;
    HFONT m_font;
    COLORREF m_background = 0x000000;
    COLORREF m_selectedBackground = 0x389EF7;
    COLORREF m_separator = 0x399EFA;
    COLORREF m_text = 0xF0F0F0;
    COLORREF m_selectedText = 0xFFFFFF;
    MenuItemTable m_items;
};
