// An editable number with arrows, a step, a minimum and a maximum (the colour components).
#pragma once

#include <optional>

#include "SkinSpin.h"

class CSkinSpinEdit : public SkinSpin {
public:
    void SetValue(int value) override;
    void SetStep(int step) { m_step = step; }

protected:
    void Layout(int width, int height) override;
    void OnUp() override;
    void OnDown() override;
    void OnBoxChanged() override;
    void OnBoxReturn() override;

private:
    void ShowIfDifferent(int value);
    void Stepped(std::optional<int> next);

    int m_step = 1;
};
