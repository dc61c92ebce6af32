// The on-screen notice settings, stored as one 348-byte structure in config.ini.
#pragma once

#include <cstddef>
#include <cstdint>

struct NoticeSettings {
    int32_t Reserved0[2];
    int32_t ProfileNotice;  // 1 = announce profile changes
    int32_t MacroNotice;    // 1 = announce macro starts
    int32_t Reserved16[4];
    int32_t Value32;        // passed to the notice program with every hand-over
    int32_t Value36;        // likewise
    char Text40[100];
    int32_t Value140;
    char Text144[100];
    char Text244[100];
    int32_t Value344;
};

static_assert(sizeof(NoticeSettings) == 348);
static_assert(offsetof(NoticeSettings, ProfileNotice) == 8);
static_assert(offsetof(NoticeSettings, MacroNotice) == 12);
static_assert(offsetof(NoticeSettings, Reserved16) == 16);
static_assert(offsetof(NoticeSettings, Value32) == 32);
static_assert(offsetof(NoticeSettings, Value36) == 36);
static_assert(offsetof(NoticeSettings, Text40) == 40);
static_assert(offsetof(NoticeSettings, Value140) == 140);
static_assert(offsetof(NoticeSettings, Text144) == 144);
static_assert(offsetof(NoticeSettings, Text244) == 244);
static_assert(offsetof(NoticeSettings, Value344) == 344);

// The values a reset to factory settings stores.
void ResetNoticeSettings(NoticeSettings* settings);
