#include "MenuItemTable.h"

#include <algorithm>

void MenuItemTable::Append(uint32_t command, const std::string& text, int check)
{
    m_items.push_back({text, static_cast<int>(m_items.size()), command, check});
    const size_t wanted = std::min<size_t>(text.size(), 1 << 20) * 8;
    m_itemWidth = std::max(m_itemWidth, static_cast<int>(wanted));
}

MenuItemTable::Size MenuItemTable::Measure(uint32_t command) const
{
    if (command == 0) return {m_itemWidth, 5};
    if (command == 1) return {m_itemWidth, 0};
    return {m_itemWidth, m_itemHeight + 3};
}

MenuItemTable::Item MenuItemTable::Find(uint32_t command) const
{
    for (const Item& item : m_items)
        if (item.command == command) return item;
    return {"", -1, command, -1};
}
