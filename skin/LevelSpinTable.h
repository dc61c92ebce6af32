// The stepping of the level spin box: a fixed table of values walked by an index.
#pragma once

#include <array>
#include <optional>

class LevelSpinTable {
public:
    static constexpr int kEntries = 12;

    LevelSpinTable();

    void SetRange(int minimum, int maximum) { m_minimum = minimum; m_maximum = maximum; }
    // The index follows the last entry equal to v, or goes to 1 when none is.
    void SetValue(int v);
    // The value to show after an arrow, or nothing when the arrow does nothing here.
    std::optional<int> Up();
    std::optional<int> Down();
    // Whether a shown value is also reported to the parent.
    bool Reports(int v) const { return m_minimum <= v && v <= m_maximum; }

    int Value() const { return m_value; }
    int Index() const { return m_index; }
    int Minimum() const { return m_minimum; }
    int Maximum() const { return m_maximum; }

private:
    int Step(int index);

    std::array<int, kEntries> m_table;
    int m_value = 0;
    int m_index = 1;
    int m_minimum = 0;
    int m_maximum = 12;
};
