// A registry held in memory: the stand-in for the current user's registry outside Windows,
// and the test double that can be told to refuse a key.
#pragma once

#include <map>
#include <mutex>
#include <optional>
#include <set>
#include <string>

#include "Registry.h"

class MemoryRegistry final : public Registry {
public:
    std::unique_ptr<Key> OpenOrCreate(const char* path) override;

    // Makes OpenOrCreate(path) fail until told otherwise.
    void FailOpening(const std::string& path, bool fail = true);
    void SetValue(const std::string& path, const std::string& name, const std::string& text);
    void RemoveValue(const std::string& path, const std::string& name);
    std::optional<std::string> Value(const std::string& path, const std::string& name) const;
    bool HasKey(const std::string& path) const;

private:
    class OpenKey;
    // Key paths and value names compare without regard to case, as in the real registry.
    using Values = std::map<std::string, std::string>;
    static std::string Fold(const std::string& text);

    mutable std::mutex m_lock;
    std::map<std::string, Values> m_keys;
    std::set<std::string> m_failing;
};
