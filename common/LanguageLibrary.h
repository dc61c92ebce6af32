// lingo.dll: every text the user sees, by string number. Loaded from the program folder;
// without it every text is empty and everything else works as usual.
#pragma once

#include <cstddef>
#include <string>

#include "ProgramFolder.h"

class LanguageLibrary {
public:
    static constexpr const char* kFileName = "lingo.dll";
    // The text buffer of the string reads, terminator included: longer texts are cut.
    static constexpr size_t kTextSize = 260;

    LanguageLibrary() = default;
    ~LanguageLibrary();
    LanguageLibrary(const LanguageLibrary&) = delete;
    LanguageLibrary& operator=(const LanguageLibrary&) = delete;

    // Loads folder + "lingo.dll" (folder with its trailing separator; the program's own by
    // default), freeing any library loaded before. False when it cannot be loaded; the texts
    // are then empty.
    bool Load(const std::string& folder = GetProgramFolder());
    void Free();
    bool IsLoaded() const { return m_module != nullptr; }

    // The string with this number, at most kTextSize - 1 characters; empty when the library
    // or the number is missing.
    std::string Text(unsigned number) const;

private:
    void* m_module = nullptr;  // HMODULE
};
