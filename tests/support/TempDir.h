// A fresh folder per test, removed afterwards, with paths in the platform's own form.
#pragma once

#include <atomic>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <string>

#include "ProgramFolder.h"

class TempDir {
public:
    TempDir()
    {
        static std::atomic<int> counter{0};
        auto base = std::filesystem::temp_directory_path();
        m_path = base / ("kvtest-" + std::to_string(Pid()) + "-" + std::to_string(counter++));
        std::filesystem::remove_all(m_path);
        std::filesystem::create_directories(m_path);
    }
    ~TempDir()
    {
        std::error_code ec;
        std::filesystem::remove_all(m_path, ec);
    }
    TempDir(const TempDir&) = delete;
    TempDir& operator=(const TempDir&) = delete;

    // The folder with a trailing separator, as GetProgramFolder gives it.
    std::string Folder() const { return m_path.string() + kDirSep; }
    std::string File(const std::string& name) const { return Folder() + name; }

    static std::string Read(const std::string& path)
    {
        std::ifstream in(path, std::ios::binary);
        return std::string(std::istreambuf_iterator<char>(in), {});
    }
    static void Write(const std::string& path, const std::string& bytes)
    {
        std::ofstream out(path, std::ios::binary | std::ios::trunc);
        out << bytes;
    }

private:
    static long Pid();
    std::filesystem::path m_path;
};

#ifdef _WIN32
#include <windows.h>
inline long TempDir::Pid() { return static_cast<long>(GetCurrentProcessId()); }
#else
#include <unistd.h>
inline long TempDir::Pid() { return static_cast<long>(getpid()); }
#endif
