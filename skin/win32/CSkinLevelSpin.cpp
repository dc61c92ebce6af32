#include "CSkinLevelSpin.h"

void CSkinLevelSpin::Layout(int width, int)
{
    CreateArrows({23, 2, width - 1, 8}, {23, 9, width - 1, 15});
    m_box.Create(WS_VISIBLE | ES_READONLY | ES_CENTER | WS_DISABLED, {2, 2, 22, 15}, Handle(), kNumberBoxId);
    m_box.SetColors(RGB(0, 0, 0), RGB(255, 255, 255));
    m_box.ApplyFont();
    m_box.SetNumberFilter(true);
}

void CSkinLevelSpin::SetRange(int minimum, int maximum)
{
    SkinSpin::SetRange(minimum, maximum);
    m_table.SetRange(minimum, maximum);
}

void CSkinLevelSpin::SetValue(int value)
{
    m_table.SetValue(value);
    m_value = value;
    Show(value);
}

void CSkinLevelSpin::Stepped(std::optional<int> value)
{
    if (!value) return;
    m_value = *value;
    Show(m_value);
    if (m_table.Reports(m_value)) Post(m_value);
}

void CSkinLevelSpin::OnUp() { Stepped(m_table.Up()); }
void CSkinLevelSpin::OnDown() { Stepped(m_table.Down()); }
