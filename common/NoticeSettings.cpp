#include "NoticeSettings.h"

#include <cstring>

void ResetNoticeSettings(NoticeSettings* s)
{
    std::memset(s, 0, sizeof *s);
    s->Value140 = 110;
    s->Value344 = 5;
}
