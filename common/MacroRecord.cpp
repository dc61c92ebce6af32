#include "MacroRecord.h"

#include <algorithm>
#include <cstring>

void SanitizeMacroRecord(MacroRecord* r)
{
    r->Name[sizeof r->Name - 1] = '\0';
    r->EventCount = std::clamp<int32_t>(r->EventCount, 0, kMacroMaxEvents);
    std::memset(&r->Events[r->EventCount], 0, sizeof(MacroEvent) * (kMacroMaxEvents - r->EventCount));
}
