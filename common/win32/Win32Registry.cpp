#include "win32/Win32Registry.h"

#include <windows.h>

#include <cstring>
#include <vector>

// Owns one open HKEY; the only place that closes it.
class Win32Registry::OpenKey final : public Registry::Key {
public:
    explicit OpenKey(HKEY key) : m_key(key) {}
    ~OpenKey() override { RegCloseKey(m_key); }
    OpenKey(const OpenKey&) = delete;
    OpenKey& operator=(const OpenKey&) = delete;

    bool ReadText(const char* name, char* buffer, size_t size) override
    {
        if (size == 0) return false;
        // Read into a scratch copy so that a failed or oversized read leaves buffer untouched.
        std::vector<char> data(size);
        DWORD type = 0;
        DWORD bytes = static_cast<DWORD>(size);
        LONG rc = RegQueryValueExA(m_key, name, nullptr, &type, reinterpret_cast<BYTE*>(data.data()), &bytes);
        if (rc != ERROR_SUCCESS || type != REG_SZ) return false;
        // Stored texts need not end with a NUL; one more byte must fit for it.
        size_t length = strnlen(data.data(), bytes);
        if (length + 1 > size) return false;
        std::memcpy(buffer, data.data(), length);
        buffer[length] = '\0';
        return true;
    }

    bool WriteText(const char* name, const char* text) override
    {
        DWORD bytes = static_cast<DWORD>(std::strlen(text));
        return RegSetValueExA(m_key, name, 0, REG_SZ, reinterpret_cast<const BYTE*>(text), bytes) == ERROR_SUCCESS;
    }

private:
    HKEY m_key;
};

std::unique_ptr<Registry::Key> Win32Registry::OpenOrCreate(const char* path)
{
    HKEY key = nullptr;
    if (RegOpenKeyExA(HKEY_CURRENT_USER, path, 0, KEY_ALL_ACCESS, &key) != ERROR_SUCCESS &&
        RegCreateKeyA(HKEY_CURRENT_USER, path, &key) != ERROR_SUCCESS)
        return nullptr;
    return std::make_unique<OpenKey>(key);
}
