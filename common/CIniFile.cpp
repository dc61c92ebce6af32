#include "CIniFile.h"

#include <cstdint>
#include <cstring>
#include <vector>

#ifdef _WIN32
#include <windows.h>
#else
#include "PortableProfile.h"
#endif

namespace {

#ifdef _WIN32
// The Windows private-profile functions behind the same signatures as PortableProfile.
struct Win32Profile {
    static uint32_t GetString(const char* section, const char* key, const char* def, char* buffer,
                              uint32_t size, const char* path)
    {
        return GetPrivateProfileStringA(section, key, def, buffer, size, path);
    }
    static bool WriteString(const char* section, const char* key, const char* value, const char* path)
    {
        return WritePrivateProfileStringA(section, key, value, path) != 0;
    }
    static uint32_t GetInt(const char* section, const char* key, int def, const char* path)
    {
        return GetPrivateProfileIntA(section, key, def, path);
    }
    static bool GetStruct(const char* section, const char* key, void* buffer, uint32_t size,
                          const char* path)
    {
        return GetPrivateProfileStructA(section, key, buffer, size, path) != 0;
    }
    static bool WriteStruct(const char* section, const char* key, const void* buffer, uint32_t size,
                            const char* path)
    {
        return WritePrivateProfileStructA(section, key, const_cast<void*>(buffer), size, path) != 0;
    }
};
using Profile = Win32Profile;
#else
using Profile = PortableProfile;
#endif

}  // namespace

std::string CIniFile::GetString(const char* section, const char* key, const char* def) const
{
    std::vector<char> buffer(kTextBuffer, '\0');
    uint32_t n = Profile::GetString(section, key, def, buffer.data(), kTextBuffer, m_path.c_str());
    return std::string(buffer.data(), n);
}

bool CIniFile::SetString(const char* section, const char* key, const char* value) const
{
    return Profile::WriteString(section, key, value, m_path.c_str());
}

int CIniFile::GetInt(const char* section, const char* key, int def) const
{
    return static_cast<int>(Profile::GetInt(section, key, def, m_path.c_str()));
}

bool CIniFile::SetInt(const char* section, const char* key, int value) const
{
    return SetString(section, key, std::to_string(value).c_str());
}

bool CIniFile::GetStruct(const char* section, const char* key, void* buffer, unsigned size) const
{
    // The private-profile function stores the bytes it decoded before a bad digit or checksum
    // turns up; a scratch copy keeps the caller's buffer as it was on failure.
    std::vector<unsigned char> scratch(size);
    if (!Profile::GetStruct(section, key, scratch.data(), size, m_path.c_str())) return false;
    if (size > 0) std::memcpy(buffer, scratch.data(), size);
    return true;
}

bool CIniFile::SetStruct(const char* section, const char* key, const void* buffer, unsigned size) const
{
    return Profile::WriteStruct(section, key, buffer, size, m_path.c_str());
}
