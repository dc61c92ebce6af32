// Exceptions never leave a Win32 callback: the system cannot unwind through it.
#pragma once

#include <exception>
#include <utility>

#include "DebugLog.h"

template <typename Result, typename Function>
Result Guarded(const char* where, Result fallback, Function&& function) noexcept
{
    try {
        return std::forward<Function>(function)();
    } catch (const std::exception& e) {
        DebugLog("%s failed: %s\n", where, e.what());
    } catch (...) {
        DebugLog("%s failed\n", where);
    }
    return fallback;
}
