// A read-only number stepped through a table of values (the lighting speed fields).
#pragma once

#include "LevelSpinTable.h"
#include "SkinSpin.h"

class CSkinLevelSpin : public SkinSpin {
public:
    CSkinLevelSpin() { m_maximum = 12; }

    void SetRange(int minimum, int maximum) override;
    void SetValue(int value) override;
    const LevelSpinTable& Table() const { return m_table; }

protected:
    void Layout(int width, int height) override;
    void OnUp() override;
    void OnDown() override;

private:
    void Stepped(std::optional<int> value);

    LevelSpinTable m_table;
};
