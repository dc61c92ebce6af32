// Expected bytes below were taken from the Windows private-profile functions (as run under
// Wine) on the same inputs.
#include "PortableProfile.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <optional>
#include <string>
#include <vector>

#include "TempDir.h"

using namespace std::string_literals;

namespace {

class PortableProfileTest : public ::testing::Test {
protected:
    void Put(const std::optional<std::string>& bytes)
    {
        if (bytes) TempDir::Write(path, *bytes);
    }
    std::string Bytes() const { return TempDir::Read(path); }

    TempDir dir;
    std::string path = dir.File("t.ini");
};

struct WriteCase {
    const char* what;
    std::optional<std::string> before;  // nullopt: no file
    const char* section;
    const char* key;
    const char* value;
    std::string after;
};

const WriteCase kWriteCases[] = {
    {"new file", std::nullopt, "Setting", "Key", "Value", "[Setting]\r\nKey=Value\r\n"},
    {"new key at the end of its section", "[A]\r\nx=1\r\n[B]\r\ny=2\r\n", "A", "z", "3",
     "[A]\r\nx=1\r\nz=3\r\n[B]\r\ny=2\r\n"},
    {"new section at the end, no blank line", "[A]\r\nx=1\r\n", "B", "y", "2",
     "[A]\r\nx=1\r\n[B]\r\ny=2\r\n"},
    {"update in place, comments and odd lines kept, blank lines dropped",
     "; top\r\n[S]\r\na=1\r\n\r\n  b  =  2  \r\nodd line\r\n;c=3\r\n\r\n[T]\r\nx=y\r\n", "S", "a", "9",
     "; top\r\n[S]\r\na=9\r\nb=2\r\nodd line\r\n;c=3\r\n[T]\r\nx=y\r\n"},
    {"section and key found without regard to case", "[Setting]\r\nKey=1\r\n", "setting", "KEY", "2",
     "[Setting]\r\nKey=2\r\n"},
    {"unchanged value leaves the file alone", "[S]\nk=1\n", "S", "k", "1", "[S]\nk=1\n"},
    {"LF, CR and CRLF all end lines; written back as CRLF", "[S]\na=1\rb=2\r\nc=3\n\r\rd=4", "S", "z", "1",
     "[S]\r\na=1\r\nb=2\r\nc=3\r\nd=4\r\nz=1\r\n"},
    {"file without final newline", "[S]\r\nk=1", "S", "k", "2", "[S]\r\nk=2\r\n"},
    {"leading blanks of the value dropped, trailing kept", std::nullopt, "S", "k", " \t v  ",
     "[S]\r\nk=v  \r\n"},
    {"new names keep trailing blanks", std::nullopt, " S ", " k ", "v", "[S ]\r\nk =v\r\n"},
    {"duplicate section: the first one is written", "[S]\na=1\n[s]\na=3\n", "S", "b", "2",
     "[S]\r\na=1\r\nb=2\r\n[s]\r\na=3\r\n"},
    {"duplicate key: the first one is written", "[S]\na=1\na=2\n", "S", "a", "5",
     "[S]\r\na=5\r\na=2\r\n"},
    {"line without '=' takes the value", "[S]\nodd\n", "S", "odd", "x", "[S]\r\nodd=x\r\n"},
    {"header names trimmed, junk after ']' dropped, last ']' wins", "[ S ]\na=1\n[x]y]z\nb=2\n[T\n", "Q", "q", "1",
     "[S]\r\na=1\r\n[x]y]\r\nb=2\r\n[T\r\n[Q]\r\nq=1\r\n"},
    {"empty header written as no header", "[S]\na=1\n[]\nb=2\n", "T", "t", "1",
     "[S]\r\na=1\r\nb=2\r\n[T]\r\nt=1\r\n"},
    {"lines before the first header stay on top", "k0=v0\n[S]\na=1\n", "", "k1", "v1",
     "k0=v0\r\nk1=v1\r\n[S]\r\na=1\r\n"},
    {"a run of nameless entries keeps only its first", "[S]\n=g\n=h\n  =i\nx=1\n=j\n[T]\n=k\n", "S", "z", "1",
     "[S]\r\n=g\r\nx=1\r\n=j\r\nz=1\r\n[T]\r\n=k\r\n"},
    {"NUL ends a line's text; a NUL-only line becomes blank", "[S]\nk=12\0" "34\n\0\n\0\nj=2\n"s, "S", "i", "3",
     "[S]\r\nk=12\r\n\r\n\r\nj=2\r\ni=3\r\n"},
    {"Ctrl-Z counts as a blank", "\x1a[S]\x1a\nk=\x1a" "1\x1a\n", "S", "i", "3", "[S]\r\nk=1\r\ni=3\r\n"},
    {"empty or blank-only file", " \r\n\r\n", "T", "j", "2", "[T]\r\nj=2\r\n"},
    {"UTF-8 byte-order mark kept", "\xEF\xBB\xBF[S]\nk=1\n", "S", "k", "2", "\xEF\xBB\xBF[S]\r\nk=2\r\n"},
    {"bytes above 127 pass through", "[S]\nk=\xE9\x81\n", "S", "j", "\x80\xFF",
     "[S]\r\nk=\xE9\x81\r\nj=\x80\xFF\r\n"},
    {"empty value", std::nullopt, "S", "k", "", "[S]\r\nk=\r\n"},
};

TEST_F(PortableProfileTest, WriteStringProducesTheseBytes)
{
    for (const WriteCase& c : kWriteCases) {
        SCOPED_TRACE(c.what);
        std::filesystem::remove(path);
        Put(c.before);
        EXPECT_TRUE(PortableProfile::WriteString(c.section, c.key, c.value, path.c_str()));
        EXPECT_EQ(c.after, Bytes());
    }
}

struct ReadCase {
    const char* what;
    std::optional<std::string> file;
    const char* section;
    const char* key;
    const char* def;
    uint32_t size;
    std::string expected;  // returned text; the return value is its length
};

const std::string kReadFile =
    "; c\r\n[S]\r\nq1=\"abc\"\r\nq2='abc'\r\nq3=\"abc'\r\nq4=\"\r\nq5=\"\"\r\nq6=\"a\"b\"\r\n"
    "q7=  \" x \"  \r\nlong=abcdefghij\r\n  b  =  2  \r\nodd\r\n;c=3\r\n[s]\r\nlater=1\r\n"
    "[T]\rcr=only\r[ U ]\nx=1\n";

const ReadCase kReadCases[] = {
    {"value", kReadFile, "S", "long", "def", 100, "abcdefghij"},
    {"cut to size - 1", kReadFile, "S", "long", "def", 5, "abcd"},
    {"size 1 gives empty", kReadFile, "S", "long", "def", 1, ""},
    {"blanks around key and value", kReadFile, "s", " B ", "def", 100, "2"},
    {"double quotes dropped", kReadFile, "S", "q1", "def", 100, "abc"},
    {"single quotes dropped", kReadFile, "S", "q2", "def", 100, "abc"},
    {"quotes must match", kReadFile, "S", "q3", "def", 100, "\"abc'"},
    {"a lone quote stays", kReadFile, "S", "q4", "def", 100, "\""},
    {"empty quotes", kReadFile, "S", "q5", "def", 100, ""},
    {"inner quote stays", kReadFile, "S", "q6", "def", 100, "a\"b"},
    {"blanks inside quotes stay", kReadFile, "S", "q7", "def", 100, " x "},
    {"quoted value in a buffer just too small loses a character", kReadFile, "S", "q1", "def", 4, "ab"},
    {"quoted value in a buffer of 3", kReadFile, "S", "q1", "def", 3, "ab"},
    {"quoted value in a buffer of 5", kReadFile, "S", "q1", "def", 5, "abc"},
    {"line without '=' gives the default", kReadFile, "S", "odd", "def", 100, "def"},
    {"comment lines are ordinary keys", kReadFile, "S", ";c", "def", 100, "3"},
    {"second section of the same name is not searched", kReadFile, "S", "later", "def", 100, "def"},
    {"CR alone ends a line", kReadFile, "T", "cr", "def", 100, "only"},
    {"header name trimmed", kReadFile, "U", "x", "def", 100, "1"},
    {"missing key: default", kReadFile, "S", "none", "def", 100, "def"},
    {"missing section: default", kReadFile, "none", "q1", "def", 100, "def"},
    {"default loses trailing spaces", kReadFile, "S", "none", " lead and trail  ", 100, " lead and trail"},
    {"default of spaces keeps one", kReadFile, "S", "none", "   ", 100, " "},
    {"default loses quotes too", kReadFile, "S", "none", "\"q\"  ", 100, "q"},
    {"quoted default in a small buffer", kReadFile, "S", "none", "\"abcdef\"", 7, "abcde"},
    {"null default is empty", kReadFile, "S", "none", nullptr, 100, ""},
    {"missing file: default, quotes dropped", std::nullopt, "S", "k", "\"def\"", 100, "def"},
    {"NUL ends the value", "[S]\nv=12\0" "34\n"s, "S", "v", "def", 100, "12"},
    {"first duplicate key wins", "[S]\na=1\na=2\n", "S", "a", "def", 100, "1"},
    {"lines before any header are in section \"\"", "k0=v0\n[S]\n", "", "k0", "def", 100, "v0"},
};

TEST_F(PortableProfileTest, GetStringReturnsTheseTexts)
{
    for (const ReadCase& c : kReadCases) {
        SCOPED_TRACE(c.what);
        std::filesystem::remove(path);
        Put(c.file);
        std::vector<char> buffer(c.size + 4, '#');
        uint32_t n = PortableProfile::GetString(c.section, c.key, c.def, buffer.data(), c.size, path.c_str());
        EXPECT_EQ(c.expected, std::string(buffer.data()));
        EXPECT_EQ(c.expected.size(), n);
        EXPECT_EQ(std::string(4, '#'), std::string(buffer.data() + c.size, 4)) << "written past the buffer";
    }
}

TEST_F(PortableProfileTest, ZeroSizeBufferIsLeftAlone)
{
    Put("[S]\nk=1\n"s);
    char buffer[2] = {'#', '#'};
    EXPECT_EQ(0u, PortableProfile::GetString("S", "k", "def", buffer, 0, path.c_str()));
    EXPECT_EQ('#', buffer[0]);
}

TEST_F(PortableProfileTest, UnopenableFileGivesTheDefaultAsIsAndRefusesWrites)
{
    const std::string noFolder = dir.Folder() + "missing" + kDirSep + "t.ini";
    const std::string folder = dir.Folder();
    for (const std::string& p : {noFolder, folder}) {
        SCOPED_TRACE(p);
        char buffer[16];
        EXPECT_EQ(5u, PortableProfile::GetString("S", "k", "\"def\"  ", buffer, sizeof buffer, p.c_str()));
        EXPECT_STREQ("\"def\"", buffer);
        EXPECT_EQ(7u, PortableProfile::GetInt("S", "k", 7, p.c_str()));
        EXPECT_FALSE(PortableProfile::WriteString("S", "k", "v", p.c_str()));
        unsigned char b = 0;
        EXPECT_FALSE(PortableProfile::WriteStruct("S", "k", &b, 1, p.c_str()));
        EXPECT_FALSE(PortableProfile::GetStruct("S", "k", &b, 1, p.c_str()));
    }
    EXPECT_FALSE(std::filesystem::exists(noFolder));
}

TEST_F(PortableProfileTest, GetIntParsesLikeTheWindowsFunction)
{
    struct Case {
        const char* value;  // nullptr: key missing
        uint32_t expected;
    };
    const Case cases[] = {
        {"12", 12},
        {" 12abc", 12},
        {"-5", 0xFFFFFFFBu},
        {"+3", 3},
        {"abc", 0},
        {"0x10", 16},
        {"-0x10", 0xFFFFFFF0u},
        {"0X10", 0},
        {"0b11", 3},
        {"0o17", 15},
        {"010", 10},
        {"0x", 0},
        {"- 5", 0},
        {"--5", 0},
        {"1 2", 1},
        {"\"42\"", 42},
        {"\x01" "10", 10},
        {"4294967295", 0xFFFFFFFFu},
        {"4294967296", 0},
        {"2147483648", 0x80000000u},
        {"99999999999999999999", 1661992959u},
        // only the first 29 characters are read
        {"123456789012345678901234567890123456789", 1849262357u},
        {"", 0xFFFFFFF9u},
        {nullptr, 0xFFFFFFF9u},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.value ? c.value : "(missing)");
        TempDir::Write(path, c.value ? "[S]\nk=" + std::string(c.value) + "\nodd\n" : "[S]\nodd\n");
        EXPECT_EQ(c.expected, PortableProfile::GetInt("S", "k", -7, path.c_str()));
    }
    EXPECT_EQ(0xFFFFFFF9u, PortableProfile::GetInt("S", "odd", -7, path.c_str()));
    std::filesystem::remove(path);
    EXPECT_EQ(77u, PortableProfile::GetInt("S", "k", 77, path.c_str()));
}

TEST_F(PortableProfileTest, WriteStructIsUpperHexPlusChecksum)
{
    const unsigned char bytes[] = {0x00, 0x01, 0xFF, 0x7F, 0xAB};
    EXPECT_TRUE(PortableProfile::WriteStruct("S", "k", bytes, 4, path.c_str()));
    EXPECT_TRUE(PortableProfile::WriteStruct("S", "e", bytes, 0, path.c_str()));
    EXPECT_TRUE(PortableProfile::WriteStruct("S", "m", bytes + 2, 3, path.c_str()));
    EXPECT_EQ("[S]\r\nk=0001FF7F7F\r\ne=00\r\nm=FF7FAB29\r\n", Bytes());
}

TEST_F(PortableProfileTest, GetStructAcceptsAndRefusesLikeTheWindowsFunction)
{
    struct Case {
        const char* value;
        uint32_t size;
        bool ok;
        std::string stored;  // bytes found in the buffer afterwards (the rest untouched)
    };
    const Case cases[] = {
        {"0001FF7F7F", 4, true, "\x00\x01\xFF\x7F"s},
        {"0001ff7f7f", 4, true, "\x00\x01\xFF\x7F"s},
        {"0001FF7F80", 4, false, "\x00\x01\xFF\x7F"s},  // wrong checksum: bytes already stored
        {"0001FF7F7", 4, false, ""},                     // too short: nothing stored
        {"0001FF7F7F", 5, false, ""},
        {"0001FF7F7F", 3, false, "\x00\x01\xFF"s},       // longer than needed is read from the start
        {"0001FF7F7F0", 4, true, "\x00\x01\xFF\x7F"s},
        {"0001FF7F7FZZ", 4, true, "\x00\x01\xFF\x7F"s},
        {"0001FF7F7F", 0, true, ""},                     // "00" is the checksum of nothing
        {"00", 0, true, ""},
        {"0", 0, false, ""},
        {"G001FF7F7F", 4, true, "\x00\x01\xFF\x7F"s},    // letters count on past F: G0 is 0x100
        {"ZZZZ", 1, true, "\x53"},
        {"0001FG7F7F", 4, false, "\x00\x01\x00\x7F"s},
        {"00 1FF7F7F", 4, false, "\x00"s},               // stops at a character that is no digit
        {"0F1/", 1, false, "\x0F"},
        {"\"0001FF7F7F\"", 4, false, ""},
        {"12345", 1, false, "\x12"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(std::string(c.value) + " / " + std::to_string(c.size));
        TempDir::Write(path, "[S]\nk=" + std::string(c.value) + "\n");
        std::vector<unsigned char> buffer(c.size + 2, 0xEE);
        EXPECT_EQ(c.ok, PortableProfile::GetStruct("S", "k", buffer.data(), c.size, path.c_str()));
        std::string expected = c.stored + std::string(c.size + 2 - c.stored.size(), '\xEE');
        EXPECT_EQ(expected, std::string(buffer.begin(), buffer.end()));
    }
}

TEST_F(PortableProfileTest, GetStructFailsWithoutEntry)
{
    unsigned char b = 0xEE;
    EXPECT_FALSE(PortableProfile::GetStruct("S", "k", &b, 1, path.c_str()));  // no file
    TempDir::Write(path, "[S]\nk\nj=\n");
    EXPECT_FALSE(PortableProfile::GetStruct("S", "k", &b, 1, path.c_str()));  // no '='
    EXPECT_FALSE(PortableProfile::GetStruct("S", "j", &b, 0, path.c_str()));  // empty value
    EXPECT_FALSE(PortableProfile::GetStruct("S", "x", &b, 1, path.c_str()));
    EXPECT_EQ(0xEE, b);
}

TEST_F(PortableProfileTest, VeryLongLinesAreKept)
{
    const std::string huge(100000, 'x');
    TempDir::Write(path, "[S]\r\na=" + huge + "\r\nb=1\r\n");
    char buffer[8];
    EXPECT_EQ(1u, PortableProfile::GetString("S", "b", "", buffer, sizeof buffer, path.c_str()));
    EXPECT_EQ(7u, PortableProfile::GetString("S", "a", "", buffer, sizeof buffer, path.c_str()));
    EXPECT_TRUE(PortableProfile::WriteString("S", "c", huge.c_str(), path.c_str()));
    EXPECT_EQ("[S]\r\na=" + huge + "\r\nb=1\r\nc=" + huge + "\r\n", Bytes());
}

TEST_F(PortableProfileTest, UnsupportedFilesAreNeitherReadNorOverwritten)
{
    const std::string utf16 = "\xFF\xFE[\0S\0]\0\n\0k\0=\0" "1\0\n\0"s;
    TempDir::Write(path, utf16);
    EXPECT_EQ(5u, PortableProfile::GetInt("S", "k", 5, path.c_str()));
    EXPECT_FALSE(PortableProfile::WriteString("S", "k", "2", path.c_str()));
    EXPECT_EQ(utf16, Bytes());

    std::filesystem::resize_file(path, (64u << 20) + 1);
    EXPECT_FALSE(PortableProfile::WriteString("S", "k", "2", path.c_str()));
    EXPECT_EQ((64u << 20) + 1, std::filesystem::file_size(path));
}

}  // namespace
