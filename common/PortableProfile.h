// A platform-independent implementation of the Windows private-profile functions, producing
// and reading the same bytes as they do, so that the settings code and its tools behave alike
// on every build.
#pragma once

#include <cstdint>

class PortableProfile {
public:
    // Like GetPrivateProfileStringA with non-null section and key: copies at most size - 1
    // characters and a NUL into buffer, returns the number of characters copied.
    static uint32_t GetString(const char* section, const char* key, const char* def,
                              char* buffer, uint32_t size, const char* path);
    // Like WritePrivateProfileStringA with non-null section, key and value.
    static bool WriteString(const char* section, const char* key, const char* value,
                            const char* path);
    // Like GetPrivateProfileIntA.
    static uint32_t GetInt(const char* section, const char* key, int def, const char* path);
    // Like GetPrivateProfileStructA / WritePrivateProfileStructA.
    static bool GetStruct(const char* section, const char* key, void* buffer, uint32_t size,
                          const char* path);
    static bool WriteStruct(const char* section, const char* key, const void* buffer,
                            uint32_t size, const char* path);
};
