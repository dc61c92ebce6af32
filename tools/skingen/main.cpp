// skingen LAYOUT_DIR OUT_DIR: draws every skin described in LAYOUT_DIR into OUT_DIR.
#include "SkinGenerator.h"

#include <chrono>
#include <cstdio>

int main(int argc, char** argv)
{
    if (argc != 3) {
        std::fprintf(stderr, "usage: skingen LAYOUT_DIR OUT_DIR\n");
        return 2;
    }
    const auto start = std::chrono::steady_clock::now();
    std::vector<std::string> errors;
    const bool ok = SkinGenerator::GenerateAll(argv[1], argv[2], errors);
    for (const std::string& e : errors) std::fprintf(stderr, "%s\n", e.c_str());
    if (!ok) return 1;
    const auto ms = std::chrono::duration_cast<std::chrono::milliseconds>(std::chrono::steady_clock::now() - start);
    std::printf("skins written to %s in %lld ms\n", argv[2], static_cast<long long>(ms.count()));
    return 0;
}
