#include "OptionSettings.h"

OptionSettings& Settings()
{
    static OptionSettings settings{};
    return settings;
}
