// INI access for the configuration, profile and macro files. In the Windows build every
// operation is the matching private-profile call on the held path; elsewhere the portable
// PortableProfile reproduces those calls byte for byte.
#pragma once

#include <string>

class CIniFile {
public:
    // Values longer than this are cut when read, like the 2048-character read buffer.
    static constexpr unsigned kTextBuffer = 2048;

    explicit CIniFile(std::string path) : m_path(std::move(path)) {}

    const std::string& Path() const { return m_path; }

    std::string GetString(const char* section, const char* key, const char* def) const;
    bool SetString(const char* section, const char* key, const char* value) const;
    int GetInt(const char* section, const char* key, int def) const;
    bool SetInt(const char* section, const char* key, int value) const;
    // Fails (and leaves buffer as it was) when the entry is missing or its length or
    // checksum does not match size.
    bool GetStruct(const char* section, const char* key, void* buffer, unsigned size) const;
    bool SetStruct(const char* section, const char* key, const void* buffer, unsigned size) const;

private:
    std::string m_path;
};
