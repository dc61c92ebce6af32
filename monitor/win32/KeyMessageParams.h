// The lParams of keyboard messages posted straight to another program's window: repeat count 1,
// the scan code, the extended bit for the arrows, and the previous-state and transition bits of
// a release.
#pragma once

#include <windows.h>

constexpr LPARAM kCtrlDownParam = 0x001D0001, kCtrlUpParam = static_cast<LPARAM>(0xC01D0001u);
constexpr LPARAM kLeftDownParam = 0x014B0001, kLeftUpParam = static_cast<LPARAM>(0xC14B0001u);
constexpr LPARAM kRightDownParam = 0x014D0001, kRightUpParam = static_cast<LPARAM>(0xC14D0001u);
constexpr LPARAM kSpaceDownParam = 0x00390001, kSpaceUpParam = static_cast<LPARAM>(0xC0390001u);
