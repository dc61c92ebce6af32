// The current user's real registry.
#pragma once

#include "Registry.h"

class Win32Registry final : public Registry {
public:
    std::unique_ptr<Key> OpenOrCreate(const char* path) override;

private:
    class OpenKey;
};
