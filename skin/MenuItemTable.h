// What the skinned popup menu knows about its items: text, check state and the width and
// height rules, kept apart from the menu handle so the rules can be tested anywhere.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

class MenuItemTable {
public:
    static constexpr uint32_t kSeparatorCommand = 0x800;
    static constexpr int kCheckedState = 1;

    struct Item {
        std::string text;
        int position;
        uint32_t command;  // a submenu item holds its submenu handle's 32 significant bits
        int check;         // 1 checked, 0 unchecked, -1 no mark
    };
    struct Size {
        int width;
        int height;
    };

    void Append(uint32_t command, const std::string& text, int check);
    // Overrides what appended items gave; later items can only widen it again.
    void SetItemWidth(int width) { m_itemWidth = width; }
    int ItemWidth() const { return m_itemWidth; }
    int ItemHeight() const { return m_itemHeight; }

    // command is what the system reports for the item: 0 for a separator.
    Size Measure(uint32_t command) const;
    // The first item with that command, or an empty text with no check mark.
    Item Find(uint32_t command) const;
    const std::vector<Item>& Items() const { return m_items; }

private:
    int m_itemHeight = 18;
    int m_itemWidth = 0;
    std::vector<Item> m_items;
};
