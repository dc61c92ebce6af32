// Diagnostics: one line per call to the debugger output (and to stderr outside Windows).
// Users never see these; tests and developers do.
#pragma once

#if defined(__GNUC__)
#define KV_PRINTF(a, b) __attribute__((format(printf, a, b)))
#else
#define KV_PRINTF(a, b)
#endif

void DebugLog(const char* format, ...) KV_PRINTF(1, 2);
