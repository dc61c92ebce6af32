#include "LevelSpinTable.h"

#include <algorithm>

LevelSpinTable::LevelSpinTable()
{
    for (int i = 0; i < kEntries; ++i) m_table[i] = i + 1;
}

void LevelSpinTable::SetValue(int v)
{
    m_index = 1;
    for (int i = 0; i < kEntries; ++i)
        if (m_table[i] == v) m_index = i;
    m_value = v;
}

int LevelSpinTable::Step(int index)
{
    m_index = std::clamp(index, 0, kEntries - 1);
    m_value = std::max(std::min(m_table[m_index], m_maximum), m_minimum);
    return m_value;
}

std::optional<int> LevelSpinTable::Up()
{
    if (m_value >= m_maximum) return std::nullopt;
    return Step(m_index + 1);
}

std::optional<int> LevelSpinTable::Down()
{
    if (m_value <= m_minimum) return std::nullopt;
    return Step(m_index - 1);
}
