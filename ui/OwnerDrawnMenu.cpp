#include "OwnerDrawnMenu.h"

#include <set>

namespace {

// Menus live on the user-interface thread only.
std::set<const OwnerDrawnMenu*>& LiveMenus()
{
    static std::set<const OwnerDrawnMenu*> menus;
    return menus;
}

}  // namespace

OwnerDrawnMenu::OwnerDrawnMenu() { LiveMenus().insert(this); }
OwnerDrawnMenu::~OwnerDrawnMenu() { LiveMenus().erase(this); }

OwnerDrawnMenu* OwnerDrawnMenu::Find(ULONG_PTR data)
{
    for (const OwnerDrawnMenu* menu : LiveMenus())
        if (menu->ItemData() == data) return const_cast<OwnerDrawnMenu*>(menu);
    return nullptr;
}

bool OwnerDrawnMenu::MeasureItem(MEASUREITEMSTRUCT& item)
{
    OwnerDrawnMenu* menu = Find(item.itemData);
    if (menu) menu->OnMeasureItem(item);
    return menu != nullptr;
}

bool OwnerDrawnMenu::DrawItem(const DRAWITEMSTRUCT& item)
{
    OwnerDrawnMenu* menu = Find(item.itemData);
    if (menu) menu->OnDrawItem(item);
    return menu != nullptr;
}
