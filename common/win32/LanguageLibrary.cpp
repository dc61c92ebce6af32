#include "LanguageLibrary.h"

#include <windows.h>

#include "DebugLog.h"

LanguageLibrary::~LanguageLibrary() { Free(); }

bool LanguageLibrary::Load(const std::string& folder)
{
    Free();
    // By full path, so that no other lingo.dll on the search path can stand in; as data only,
    // since the library holds nothing but resources.
    std::string path = folder + kFileName;
    m_module = LoadLibraryExA(path.c_str(), nullptr, LOAD_LIBRARY_AS_DATAFILE);
    if (!m_module) DebugLog("LanguageLibrary: cannot load %s (%lu)\n", path.c_str(), GetLastError());
    return m_module != nullptr;
}

void LanguageLibrary::Free()
{
    if (m_module) FreeLibrary(static_cast<HMODULE>(m_module));
    m_module = nullptr;
}

std::string LanguageLibrary::Text(unsigned number) const
{
    if (!m_module) return {};
    char text[kTextSize] = {};
    int length = LoadStringA(static_cast<HMODULE>(m_module), number, text, static_cast<int>(kTextSize));
    return std::string(text, length > 0 ? static_cast<size_t>(length) : 0);
}
