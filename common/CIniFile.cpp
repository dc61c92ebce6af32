#include "CIniFile.h"

#include <vector>

#ifdef _WIN32
#include <windows.h>
#else
#include "PortableProfile.h"
#endif

#ifdef _WIN32
std::string CIniFile::GetString(const char* section, const char* key, const char* def) const
{
    std::vector<char> buffer(kTextBuffer, '\0');
    DWORD n = GetPrivateProfileStringA(section, key, def, buffer.data(), kTextBuffer, m_path.c_str());
    return std::string(buffer.data(), n);
}

bool CIniFile::SetString(const char* section, const char* key, const char* value) const
{
    return WritePrivateProfileStringA(section, key, value, m_path.c_str()) != 0;
}

int CIniFile::GetInt(const char* section, const char* key, int def) const
{
    return static_cast<int>(GetPrivateProfileIntA(section, key, def, m_path.c_str()));
}

bool CIniFile::GetStruct(const char* section, const char* key, void* buffer, unsigned size) const
{
    return GetPrivateProfileStructA(section, key, buffer, size, m_path.c_str()) != 0;
}

bool CIniFile::SetStruct(const char* section, const char* key, const void* buffer, unsigned size) const
{
    return WritePrivateProfileStructA(section, key, const_cast<void*>(buffer), size, m_path.c_str()) != 0;
}
#else
std::string CIniFile::GetString(const char* section, const char* key, const char* def) const
{
    std::vector<char> buffer(kTextBuffer, '\0');
    uint32_t n = PortableProfile::GetString(section, key, def, buffer.data(), kTextBuffer, m_path.c_str());
    return std::string(buffer.data(), n);
}

bool CIniFile::SetString(const char* section, const char* key, const char* value) const
{
    return PortableProfile::WriteString(section, key, value, m_path.c_str());
}

int CIniFile::GetInt(const char* section, const char* key, int def) const
{
    return static_cast<int>(PortableProfile::GetInt(section, key, def, m_path.c_str()));
}

bool CIniFile::GetStruct(const char* section, const char* key, void* buffer, unsigned size) const
{
    return PortableProfile::GetStruct(section, key, buffer, size, m_path.c_str());
}

bool CIniFile::SetStruct(const char* section, const char* key, const void* buffer, unsigned size) const
{
    return PortableProfile::WriteStruct(section, key, buffer, size, m_path.c_str());
}
#endif

bool CIniFile::SetInt(const char* section, const char* key, int value) const
{
    return SetString(section, key, std::to_string(value).c_str());
}
