#include "CSkinSpinEdit.h"

#include <string>

#include "SpinMath.h"

void CSkinSpinEdit::Layout(int width, int)
{
    CreateArrows({width - 20, 2, width - 2, 9}, {width - 20, 11, width - 2, 18});
    m_box.Create(WS_VISIBLE | ES_NUMBER | ES_CENTER | ES_AUTOHSCROLL, {2, 2, width - 22, 20}, Handle(), kNumberBoxId);
    m_box.SetColors(RGB(255, 255, 255), RGB(0, 0, 0));
    m_box.ApplyFont();
    m_box.SetNumberFilter(true);
}

void CSkinSpinEdit::ShowIfDifferent(int value)
{
    if (m_box.Text() != std::to_string(value)) Show(value);
}

void CSkinSpinEdit::SetValue(int value)
{
    m_value = value;
    ShowIfDifferent(value);  // its change notice reports the value
}

void CSkinSpinEdit::OnBoxChanged()
{
    const SpinMath::EditOutcome outcome = SpinMath::OnEditChange(m_box.Text(), m_step, m_minimum, m_maximum);
    m_value = outcome.value;
    if (outcome.show) Show(*outcome.show);
    Post(m_value);
}

void CSkinSpinEdit::OnBoxReturn()
{
    const int a = std::max(std::min(SpinMath::ReadNumberOnReturn(m_box.Text()), m_maximum), m_minimum);
    ShowIfDifferent(a);
    m_value = a;
    if (a >= m_minimum && m_maximum >= m_minimum) Post(a);
}

void CSkinSpinEdit::Stepped(std::optional<int> next)
{
    if (!next) return;
    m_value = *next;
    ShowIfDifferent(*next);  // its change notice reports the value
}

void CSkinSpinEdit::OnUp() { Stepped(SpinMath::EditUp(SpinMath::ReadNumber(m_box.Text()), m_step, m_minimum, m_maximum)); }

void CSkinSpinEdit::OnDown()
{
    Stepped(SpinMath::EditDown(SpinMath::ReadNumber(m_box.Text()), m_step, m_minimum, m_maximum));
}
