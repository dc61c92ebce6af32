// The portable private-profile code against the Windows functions themselves: the same
// operations on the same starting files must leave the same bytes and read the same results.
#include <windows.h>

#include <gtest/gtest.h>

#include <cstdio>
#include <optional>
#include <random>
#include <string>
#include <vector>

#include "CIniFile.h"
#include "PortableProfile.h"
#include "TempDir.h"

using namespace std::string_literals;

namespace {

struct Op {
    char kind;  // 'W' write text, 'S' write struct, 'R' read text, 'I' read int, 'G' read struct
    std::string section, key;
    std::string value = {};  // text to write, struct bytes, or the default of a read
    uint32_t size = 0;  // read buffer size, or struct size for 'G'
};

std::string Hex(const unsigned char* p, size_t n)
{
    std::string s;
    char b[3];
    for (size_t i = 0; i < n; ++i) {
        std::snprintf(b, sizeof b, "%02X", p[i]);
        s += b;
    }
    return s;
}

// Runs one operation through either implementation and describes its outcome.
std::string RunOp(const Op& op, const std::string& path, bool win32)
{
    const char* s = op.section.c_str();
    const char* k = op.key.c_str();
    const char* f = path.c_str();
    std::string out;
    switch (op.kind) {
    case 'W':
        out = std::to_string(win32 ? WritePrivateProfileStringA(s, k, op.value.c_str(), f) != 0
                                   : PortableProfile::WriteString(s, k, op.value.c_str(), f));
        break;
    case 'S':
        out = std::to_string(
            win32 ? WritePrivateProfileStructA(s, k, const_cast<char*>(op.value.data()),
                                               static_cast<UINT>(op.value.size()), f) != 0
                  : PortableProfile::WriteStruct(s, k, op.value.data(), static_cast<uint32_t>(op.value.size()), f));
        break;
    case 'R': {
        std::vector<char> buffer(op.size + 4, '#');
        uint32_t n = win32 ? GetPrivateProfileStringA(s, k, op.value.c_str(), buffer.data(), op.size, f)
                           : PortableProfile::GetString(s, k, op.value.c_str(), buffer.data(), op.size, f);
        out = std::to_string(n) + " " + Hex(reinterpret_cast<unsigned char*>(buffer.data()), buffer.size());
        break;
    }
    case 'I':
        out = std::to_string(win32 ? GetPrivateProfileIntA(s, k, -7, f) : PortableProfile::GetInt(s, k, -7, f));
        break;
    case 'G': {
        std::vector<unsigned char> buffer(op.size + 2, 0xEE);
        bool ok = win32 ? GetPrivateProfileStructA(s, k, buffer.data(), op.size, f) != 0
                        : PortableProfile::GetStruct(s, k, buffer.data(), op.size, f);
        out = std::to_string(ok) + " " + Hex(buffer.data(), buffer.size());
        break;
    }
    }
    // Wine keeps the last file it used in memory, with names as they were passed in; the
    // portable code reads the file on every call, so Wine is made to forget it too.
    if (win32) WritePrivateProfileStringA(nullptr, nullptr, nullptr, f);
    return out;
}

struct Scenario {
    const char* what;
    std::optional<std::string> start;
    std::vector<Op> ops;
};

// Each operation on both files, comparing outcomes and bytes after every step, then the reads
// once more with the implementations swapped.
void Check(const Scenario& sc, const char* name = "t.ini")
{
    SCOPED_TRACE(sc.what);
    TempDir dir;
    const std::string win = dir.File(std::string("win-") + name), port = dir.File(std::string("port-") + name);
    if (sc.start) {
        TempDir::Write(win, *sc.start);
        TempDir::Write(port, *sc.start);
    }
    for (size_t i = 0; i < sc.ops.size(); ++i) {
        SCOPED_TRACE("operation " + std::to_string(i) + " " + sc.ops[i].kind + " [" + sc.ops[i].section + "] " + sc.ops[i].key);
        EXPECT_EQ(RunOp(sc.ops[i], win, true), RunOp(sc.ops[i], port, false));
        ASSERT_EQ(TempDir::Read(win), TempDir::Read(port));
    }
    for (const Op& op : sc.ops) {
        if (op.kind == 'W' || op.kind == 'S') continue;
        EXPECT_EQ(RunOp(op, port, true), RunOp(op, win, false)) << "swapped " << op.kind << " " << op.key;
    }
}

const std::string kAwkward =
    "; top comment\r\n[S]\r\na=1\r\n\r\n  b  =  2  \r\nodd line\r\n;c=3\r\nq=\"quoted\"\r\nq2='x\r\n"
    "[s]\r\na=dup\r\n[ T ]\rcr=only\r[x]y]z\nk=12\0" "34\n\0\n=e1\n=e2\n[]\nnameless=1\n[U\n\x1a"
    "n1= 12abc\nn2=-5\nn3=0x10\nn4=abc\nn5=4294967296\nn6=\nhigh=\xE9\x80\xFF\n"s;

const Scenario kScenarios[] = {
    {"new file", std::nullopt,
     {{'W', "Setting", "Key", "Value"}, {'W', "Setting", "Key2", "V2"}, {'W', "Other", "A", "1"},
      {'W', "setting", "KEY", "New"}, {'R', "SETTING", "key", "def", 100}, {'I', "Other", "a"}}},
    {"awkward file: reads", kAwkward,
     {{'R', "S", "a", "def", 100}, {'R', "s", " B ", "def", 100}, {'R', "S", "odd line", "d", 100},
      {'R', "S", ";c", "d", 100}, {'R', "S", "q", "d", 100}, {'R', "S", "q", "d", 6}, {'R', "S", "q", "d", 7},
      {'R', "S", "q2", "d", 100}, {'R', "T", "cr", "d", 100}, {'R', "x]y", "k", "d", 100},
      {'R', "x]y", "", "d", 100}, {'R', "x]y", "nameless", "d", 100}, {'R', "", "; top comment", "d", 100},
      {'R', "S", "none", "\"quoted\"  ", 100}, {'R', "S", "none", "abcdef", 4}, {'R', "S", "a", "d", 0},
      {'R', "x]y", "high", "d", 100}, {'I', "x]y", "n1"}, {'I', "x]y", "n2"}, {'I', "x]y", "n3"},
      {'I', "x]y", "n4"}, {'I', "x]y", "n5"}, {'I', "x]y", "n6"}, {'I', "x]y", "none"}, {'I', "x]y", "U"}}},
    {"awkward file: writes", kAwkward,
     {{'W', "S", "a", "9"}, {'W', "S", "new", "N"}, {'W', "T", "t2", "N"}, {'W', "x]y", "odd", "v"},
      {'W', "S", "odd line", "now"}, {'W', "S", "a", "9"}, {'W', "", "top", "1"}, {'W', "V", "v", " \tlead"},
      {'W', "V", "w", "\"q\""}, {'W', "V", "e", ""}, {'W', "V", "hi", "\x81\xFE"}, {'R', "V", "w", "d", 100}}},
    {"blank names and values", "[S]\n=g\n=h\nx=1\n  =i\n"s,
     {{'W', "S", "", "empty key"}, {'W', " S ", " k ", "v "}, {'R', "S", "k", "d", 100}}},
    {"LF file unchanged by an equal write", "[S]\nk=1\n"s, {{'W', "s", "K", "1"}, {'S', "S", "st", "\x01\x02"s}}},
    {"UTF-8 mark", "\xEF\xBB\xBF[S]\nk=1\n"s, {{'R', "S", "k", "d", 100}, {'W', "S", "k", "2"}}},
    {"structs", "[S]\na=0001ff7f7f\nb=0001FF7F80\nc=0001FF7F7\nd=0001FF7F7F0\ne=0001FG7F7F\nf=\ng=00\nh=0\n"
                "i= 0001FF7F7F \nj=\"0001FF7F7F\"\nk\nl=0001FF7F7F00\nm=12345\nn=00 1FF7F7F\no=ZZZZ\n"s,
     {{'G', "S", "a", "", 4}, {'G', "S", "a", "", 3}, {'G', "S", "a", "", 5}, {'G', "S", "b", "", 4},
      {'G', "S", "c", "", 4}, {'G', "S", "d", "", 4}, {'G', "S", "e", "", 4}, {'G', "S", "f", "", 0},
      {'G', "S", "g", "", 0}, {'G', "S", "h", "", 0}, {'G', "S", "i", "", 4}, {'G', "S", "j", "", 4},
      {'G', "S", "k", "", 4}, {'G', "S", "l", "", 4}, {'G', "S", "l", "", 5}, {'G', "S", "m", "", 1},
      {'G', "S", "n", "", 4}, {'G', "S", "o", "", 1}, {'G', "S", "none", "", 1},
      {'S', "S", "a", "\x00\x01\xFF\x7F"s}, {'S', "S", "z", ""}, {'G', "S", "z", "", 0}, {'G', "S", "a", "", 4}}},
    {"missing file", std::nullopt,
     {{'R', "S", "k", "\"def\" ", 100}, {'I', "S", "k"}, {'G', "S", "k", "", 1}}},
    {"very long lines", "[S]\r\na=" + std::string(70000, 'x') + "\r\nb=1\r\n",
     {{'R', "S", "b", "d", 100}, {'R', "S", "a", "d", 5000}, {'W', "S", "c", std::string(5000, 'y')}}},
};

TEST(IniDifferential, ScenariosGiveTheSameBytesAndResults)
{
    for (const Scenario& sc : kScenarios) Check(sc);
}

TEST(IniDifferential, UnopenablePathsBehaveAlike)
{
    TempDir dir;
    const std::vector<Op> ops = {{'R', "S", "k", "\"def\"  ", 100}, {'I', "S", "k"}, {'G', "S", "k", "", 1},
                                 {'W', "S", "k", "v"}, {'S', "S", "k", "\x01"}};
    for (const std::string& path : {dir.Folder() + "missing\\t.ini", dir.Folder()}) {
        SCOPED_TRACE(path);
        for (const Op& op : ops) EXPECT_EQ(RunOp(op, path, true), RunOp(op, path, false)) << op.kind;
    }
}

// A profile as the export writes it: one section, texts, integers (two keys written twice)
// and sixteen 460-byte button records; written over an older export the second time.
TEST(IniDifferential, ExportedProfileIsIdentical)
{
    TempDir dir;
    const std::string win = dir.File("win.gmp"), port = dir.File("port.gmp");
    std::vector<std::string> intKeys = {"DbleClickSpeed", "ScrollWheelSpeed", "MouseSpeed", "ColorOptions1",
                                        "ColorOptions2"};
    for (int i = 0; i < 5; ++i) intKeys.push_back("CpiLevel_X" + std::to_string(i));
    for (int i = 0; i < 80; ++i) intKeys.push_back("Option" + std::to_string(i));
    for (int i = 0; i < 8; ++i) intKeys.push_back("ColorOptions" + std::to_string(i));
    const CIniFile ini(win);
    for (int round = 0; round < 2; ++round) {
        SCOPED_TRACE(round);
        ini.SetString("Setting", "ProFileName", round ? "Renamed" : "Default1");
        PortableProfile::WriteString("Setting", "ProFileName", round ? "Renamed" : "Default1", port.c_str());
        ini.SetString("Setting", "GameFile", "");
        PortableProfile::WriteString("Setting", "GameFile", "", port.c_str());
        for (size_t i = 0; i < intKeys.size(); ++i) {
            int v = static_cast<int>(i * 37 % 11) - 3 + round;
            ini.SetInt("Setting", intKeys[i].c_str(), v);
            PortableProfile::WriteString("Setting", intKeys[i].c_str(), std::to_string(v).c_str(), port.c_str());
        }
        for (int b = 0; b < 16; ++b) {
            std::vector<unsigned char> record(460);
            for (size_t j = 0; j < record.size(); ++j) record[j] = static_cast<unsigned char>(j * 7 + b + round);
            const std::string key = "MacroKeyInfo" + std::to_string(b);
            ini.SetStruct("Setting", key.c_str(), record.data(), 460);
            PortableProfile::WriteStruct("Setting", key.c_str(), record.data(), 460, port.c_str());
        }
        WritePrivateProfileStringA(nullptr, nullptr, nullptr, win.c_str());
        ASSERT_EQ(TempDir::Read(win), TempDir::Read(port));
    }
    // Each reads the other's file alike.
    const CIniFile other(port);
    for (const std::string& key : intKeys)
        EXPECT_EQ(other.GetInt("Setting", key.c_str(), -1),
                  static_cast<int>(PortableProfile::GetInt("Setting", key.c_str(), -1, win.c_str())));
    std::vector<unsigned char> a(460), b(460);
    EXPECT_TRUE(other.GetStruct("Setting", "MacroKeyInfo15", a.data(), 460));
    EXPECT_TRUE(PortableProfile::GetStruct("Setting", "MacroKeyInfo15", b.data(), 460, win.c_str()));
    EXPECT_EQ(a, b);
    EXPECT_EQ("Renamed", other.GetString("Setting", "ProFileName", ""));
}

// Random damage to a valid file, then random operations on it, through both.
TEST(IniDifferential, RandomFilesBehaveAlike)
{
    const std::string base =
        "; c\r\n[Setting]\r\nProFileName=Default1\r\nMouseSpeed=10\r\nMacroKeyInfo0=0102030609\r\n"
        "[Other]\r\nx = \"y\"\r\n";
    const char alphabet[] = "[]=;\"' \t\r\n\x1a\0" "0aZ\xE9\x80";
    const char* sections[] = {"Setting", "setting", "Other", "New", ""};
    const char* keys[] = {"ProFileName", "mousespeed", "MacroKeyInfo0", "x", "new", ""};
    std::mt19937 rng(20240611);
    auto pick = [&](size_t n) { return static_cast<size_t>(rng() % n); };
    for (int iteration = 0; iteration < 150; ++iteration) {
        std::string text = base;
        for (int m = 0, count = 1 + static_cast<int>(pick(6)); m < count; ++m) {
            size_t at = pick(text.size() + 1);
            if (pick(2)) text.insert(at, 1, alphabet[pick(sizeof alphabet - 1)]);
            else if (at < text.size()) text.erase(at, 1 + pick(4));
        }
        Scenario sc{"random", text, {}};
        for (int k = 0; k < 4; ++k) {
            const char* s = sections[pick(5)];
            const char* key = keys[pick(6)];
            switch (pick(5)) {
            case 0: sc.ops.push_back({'W', s, key, "v" + std::to_string(pick(3))}); break;
            case 1: sc.ops.push_back({'S', s, key, "\x01\x02\x03\x06"s.substr(0, pick(5))}); break;
            case 2: sc.ops.push_back({'R', s, key, "\"d\"", static_cast<uint32_t>(pick(12))}); break;
            case 3: sc.ops.push_back({'I', s, key}); break;
            default: sc.ops.push_back({'G', s, key, "", static_cast<uint32_t>(pick(5))}); break;
            }
        }
        SCOPED_TRACE("iteration " + std::to_string(iteration));
        Check(sc, ("r" + std::to_string(iteration) + ".ini").c_str());
    }
}

}  // namespace
