#include "CSkinMenu.h"

#include "Gdi.h"
#include "OptionResources.h"

namespace {
constexpr COLORREF kCheckedText = RGB(68, 191, 255);
}

CSkinMenu::CSkinMenu(HFONT font) : m_owned(CreatePopupMenu()), m_menu(m_owned.get()), m_font(font) {}

void CSkinMenu::AppendItem(UINT command, const std::string& text, CSkinMenu* submenu, int check)
{
    const auto data = reinterpret_cast<LPCSTR>(ItemData());
    uint32_t recorded = command;
    if (command == MenuItemTable::kSeparatorCommand) {
        AppendMenuA(m_menu, MF_OWNERDRAW | MF_SEPARATOR, 0, data);
    } else if (submenu) {
        AppendMenuA(m_menu, MF_OWNERDRAW | MF_POPUP, reinterpret_cast<UINT_PTR>(submenu->m_menu), data);
        submenu->m_owned.release();
        // The system reports a popup item by its submenu handle, cut to 32 bits.
        recorded = static_cast<uint32_t>(reinterpret_cast<UINT_PTR>(submenu->m_menu));
    } else {
        AppendMenuA(m_menu, MF_OWNERDRAW, command, data);
    }
    m_items.Append(recorded, text, check);
}

void CSkinMenu::SetItemColors(COLORREF background, COLORREF selectedBackground)
{
    m_background = background;
    m_selectedBackground = selectedBackground;
}

void CSkinMenu::SetItemTextColors(COLORREF text, COLORREF selectedText)
{
    m_text = text;
    m_selectedText = selectedText;
}

void CSkinMenu::OnMeasureItem(MEASUREITEMSTRUCT& item)
{
    const MenuItemTable::Size size = m_items.Measure(item.itemID);
    item.itemWidth = static_cast<UINT>(size.width);
    item.itemHeight = static_cast<UINT>(size.height);
}

void CSkinMenu::OnDrawItem(const DRAWITEMSTRUCT& item)
{
    HDC dc = item.hDC;
    RECT rect = item.rcItem;
    if (item.itemID == 0) {
        UniqueGdi<HBRUSH> background(CreateSolidBrush(m_background));
        FillRect(dc, &rect, background.get());
        UniqueGdi<HPEN> pen(CreatePen(PS_SOLID, 1, m_separator));
        SelectScope select(dc, pen.get());
        const int middle = (rect.top + rect.bottom) / 2;
        MoveToEx(dc, rect.left, middle, nullptr);
        LineTo(dc, rect.right, middle);
    } else {
        const bool highlighted = (item.itemState & ODS_SELECTED) != 0;
        UniqueGdi<HBRUSH> background(CreateSolidBrush(highlighted ? m_selectedBackground : m_background));
        FillRect(dc, &rect, background.get());
        const MenuItemTable::Item entry = m_items.Find(item.itemID);
        SetTextColor(dc, entry.check == MenuItemTable::kCheckedState ? kCheckedText
                                                                      : (highlighted ? m_selectedText : m_text));
        SetBkMode(dc, TRANSPARENT);
        {
            SelectScope font(dc, m_font);
            RECT text = rect;
            text.left += 2;
            DrawTextA(dc, entry.text.c_str(), static_cast<int>(entry.text.size()), &text, DT_SINGLELINE | DT_VCENTER);
        }

        MENUITEMINFOA info{};
        info.cbSize = sizeof info;
        info.fMask = MIIM_SUBMENU;
        if (GetMenuItemInfoA(reinterpret_cast<HMENU>(item.hwndItem), item.itemID, FALSE, &info) && info.hSubMenu) {
            UniqueIcon arrow(static_cast<HICON>(
                LoadImageA(GetModuleHandleA(nullptr), MAKEINTRESOURCEA(IDI_SUBMENU_ARROW), IMAGE_ICON, 32, 32, 0)));
            if (arrow) DrawIconEx(dc, rect.right - 19, rect.top - 9, arrow.get(), 32, 32, 0, nullptr, DI_NORMAL);
        }
    }
    // Nothing the system draws afterwards (its own submenu arrow) may cover the item.
    ExcludeClipRect(dc, rect.left, rect.top, rect.right, rect.bottom);
}
