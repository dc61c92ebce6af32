// Helpers for the device link tests: a block with factory settings, and byte vectors written
// out piece by piece.
#pragma once

#include <cstdint>
#include <initializer_list>
#include <memory>
#include <vector>

#include "SettingsBlock.h"

using Bytes = std::vector<uint8_t>;

inline std::unique_ptr<SettingsBlock> DefaultBlock()
{
    auto block = std::make_unique<SettingsBlock>();
    ClearSettingsBlock(block.get());
    SetAllDefaults(block.get());
    return block;
}

inline Bytes Zeros(size_t count) { return Bytes(count, 0); }

inline Bytes operator+(Bytes a, const Bytes& b)
{
    a.insert(a.end(), b.begin(), b.end());
    return a;
}

template <typename Array>
Bytes BytesOf(const Array& array)
{
    return Bytes(array.begin(), array.end());
}
