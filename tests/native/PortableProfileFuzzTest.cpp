// Seeded random damage to valid INI texts and random struct values: nothing may crash or write
// past a buffer, and what is written must read back.
#include "PortableProfile.h"

#include <gtest/gtest.h>

#include <random>
#include <string>
#include <vector>

#include "TempDir.h"

namespace {

const char* const kSeeds[] = {
    "; c\r\n[Setting]\r\nProFileName=Default1\r\nMouseSpeed=10\r\nMacroKeyInfo0=0102030609\r\n[Other]\r\nx = \"y\"\r\n",
    "[Setting]\nCurrentProfile=2\nMouseType=-1\n[OSDSetting]\nconfig=00000000\n",
    "k0=v0\n[]\n[ Setting ]\r=\n=\nodd\n[x]y]\n",
};
const char* const kSections[] = {"Setting", "setting", "Other", "New"};
const char* const kKeys[] = {"ProFileName", "mousespeed", "MacroKeyInfo0", "x", "New"};
const char kAlphabet[] = "[]=;\"' \t\r\n\x1a\0" "0aZ\xE9\x80\xFF\xFE\xEF\xBB\xBF";

TEST(PortableProfileFuzz, DamagedFilesGiveSaneResults)
{
    TempDir dir;
    const std::string path = dir.File("f.ini");
    std::mt19937 rng(12345);
    auto pick = [&](size_t n) { return static_cast<size_t>(rng() % n); };
    for (int iteration = 0; iteration < 1500; ++iteration) {
        SCOPED_TRACE("iteration " + std::to_string(iteration));
        std::string text = kSeeds[pick(3)];
        for (int m = 0, count = 1 + static_cast<int>(pick(8)); m < count; ++m) {
            size_t at = pick(text.size() + 1);
            switch (pick(3)) {
            case 0: text.insert(at, 1, kAlphabet[pick(sizeof kAlphabet - 1)]); break;
            case 1: text.erase(at, pick(6)); break;
            default: text.insert(at, text.substr(pick(text.size()), pick(20))); break;
            }
        }
        TempDir::Write(path, text);
        const char* s = kSections[pick(4)];
        const char* k = kKeys[pick(5)];

        // Reads of the damaged file stay inside their buffers.
        uint32_t size = static_cast<uint32_t>(pick(40));
        std::vector<char> buffer(size + 8, '#');
        uint32_t n = PortableProfile::GetString(s, k, "\"d\"", buffer.data(), size, path.c_str());
        if (size > 0) {
            ASSERT_LT(n, size);
            ASSERT_EQ(std::string(buffer.data()).size(), n);
        }
        ASSERT_EQ(std::string(8, '#'), std::string(buffer.data() + size, 8));
        PortableProfile::GetInt(s, k, -1, path.c_str());
        uint32_t structSize = static_cast<uint32_t>(pick(8));
        std::vector<unsigned char> bytes(structSize + 8, 0xEE);
        PortableProfile::GetStruct(s, k, bytes.data(), structSize, path.c_str());
        ASSERT_EQ(std::vector<unsigned char>(8, 0xEE), std::vector<unsigned char>(bytes.begin() + structSize, bytes.end()));

        // A write lands, reads back and is not repeated when nothing changes (UTF-16 marks
        // make the file unsupported: then it must stay untouched).
        const bool unsupported = text.rfind("\xFF\xFE", 0) == 0 || text.rfind("\xFE\xFF", 0) == 0;
        const std::string value = "v" + std::to_string(pick(1000)) + " x";
        ASSERT_NE(unsupported, PortableProfile::WriteString(s, k, value.c_str(), path.c_str()));
        const std::string written = TempDir::Read(path);
        if (unsupported) {
            ASSERT_EQ(text, written);
            continue;
        }
        char back[64];
        PortableProfile::GetString(s, k, "", back, sizeof back, path.c_str());
        ASSERT_EQ(value, back);
        ASSERT_TRUE(PortableProfile::WriteString(s, k, value.c_str(), path.c_str()));
        ASSERT_EQ(written, TempDir::Read(path));

        int number = static_cast<int>(rng());
        ASSERT_TRUE(PortableProfile::WriteString(s, "Number", std::to_string(number).c_str(), path.c_str()));
        ASSERT_EQ(static_cast<uint32_t>(number), PortableProfile::GetInt(s, "Number", -1, path.c_str()));

        std::vector<unsigned char> record(pick(600));
        for (unsigned char& b : record) b = static_cast<unsigned char>(rng());
        const uint32_t len = static_cast<uint32_t>(record.size());
        ASSERT_TRUE(PortableProfile::WriteStruct(s, k, record.data(), len, path.c_str()));
        std::vector<unsigned char> read(len + 1);
        ASSERT_TRUE(PortableProfile::GetStruct(s, k, read.data(), len, path.c_str()));
        ASSERT_EQ(record, std::vector<unsigned char>(read.begin(), read.begin() + len));
        ASSERT_FALSE(PortableProfile::GetStruct(s, k, read.data(), len + 1, path.c_str()));
    }
}

}  // namespace
