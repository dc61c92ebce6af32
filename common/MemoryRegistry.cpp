#include "MemoryRegistry.h"

#include <cctype>
#include <cstring>

class MemoryRegistry::OpenKey final : public Registry::Key {
public:
    OpenKey(MemoryRegistry& owner, std::string path) : m_owner(owner), m_path(std::move(path)) {}

    bool ReadText(const char* name, char* buffer, size_t size) override
    {
        std::optional<std::string> text = m_owner.Value(m_path, name);
        if (!text || text->size() + 1 > size) return false;
        std::memcpy(buffer, text->c_str(), text->size() + 1);
        return true;
    }

    bool WriteText(const char* name, const char* text) override
    {
        m_owner.SetValue(m_path, name, text);
        return true;
    }

private:
    MemoryRegistry& m_owner;
    std::string m_path;
};

std::string MemoryRegistry::Fold(const std::string& text)
{
    std::string folded = text;
    for (char& c : folded) c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
    return folded;
}

std::unique_ptr<Registry::Key> MemoryRegistry::OpenOrCreate(const char* path)
{
    std::string key = Fold(path);
    {
        std::lock_guard<std::mutex> guard(m_lock);
        if (m_failing.count(key)) return nullptr;
        m_keys[key];
    }
    return std::make_unique<OpenKey>(*this, key);
}

void MemoryRegistry::FailOpening(const std::string& path, bool fail)
{
    std::lock_guard<std::mutex> guard(m_lock);
    if (fail) m_failing.insert(Fold(path));
    else m_failing.erase(Fold(path));
}

void MemoryRegistry::SetValue(const std::string& path, const std::string& name, const std::string& text)
{
    std::lock_guard<std::mutex> guard(m_lock);
    m_keys[Fold(path)][Fold(name)] = text;
}

void MemoryRegistry::RemoveValue(const std::string& path, const std::string& name)
{
    std::lock_guard<std::mutex> guard(m_lock);
    auto key = m_keys.find(Fold(path));
    if (key != m_keys.end()) key->second.erase(Fold(name));
}

std::optional<std::string> MemoryRegistry::Value(const std::string& path, const std::string& name) const
{
    std::lock_guard<std::mutex> guard(m_lock);
    auto key = m_keys.find(Fold(path));
    if (key == m_keys.end()) return std::nullopt;
    auto value = key->second.find(Fold(name));
    if (value == key->second.end()) return std::nullopt;
    return value->second;
}

bool MemoryRegistry::HasKey(const std::string& path) const
{
    std::lock_guard<std::mutex> guard(m_lock);
    return m_keys.count(Fold(path)) != 0;
}
